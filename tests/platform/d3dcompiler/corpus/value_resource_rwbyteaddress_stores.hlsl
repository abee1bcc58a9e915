// Windows: RWByteAddressBuffer Store, Store2, Store3 and Store4 write one to four words at a byte offset; GetDimensions gives its size in bytes.
// verdict: accepted
// probe: 40 0 0 0
// group: resources
// uav u1: raw 10
// expect u1: 9 1 2 3 4 5 6 0 7 8
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwbyteaddressbuffer-store, -store2, -store3, -store4, -getdimensions ("The length, in bytes, of the buffer")
#include "resource_stages.hlsli"
RWByteAddressBuffer raw : register(u1);
float4 PSMain() : SV_Target
{
    raw.Store4(4, uint4(1, 2, 3, 4));
    raw.Store2(20, uint2(5, 6));
    raw.Store(0, 9);
    raw.Store3(28, uint3(0, 7, 8));
    uint bytes;
    raw.GetDimensions(bytes);
    return float4(bytes, 0, 0, 0);
}
