// Windows: Buffer, ByteAddressBuffer and StructuredBuffer loads have overloads with a status output; they read as without it, and CheckAccessFullyMapped of each status is true for a resident resource.
// verdict: accepted
// probe: 9 6 20 3
// group: resources
// buffer t0: typed r32_uint 2 : 7 9
// buffer t1: raw 4 : 1 2 5 6
// buffer t2: structured 4 2 : 10 20
// source: learn.microsoft.com/windows/win32/direct3dhlsl/buffer-load-int-uint- ("Status: The status of the operation"), byteaddressbuffer-load2-uint-uint- (Load2(address, status)), structuredbuffer-load-int-uint-; checkaccessfullymapped
#include "resource_stages.hlsli"
Buffer<uint> counts : register(t0);
ByteAddressBuffer raw : register(t1);
StructuredBuffer<uint> items : register(t2);
float4 PSMain() : SV_Target
{
    uint typedStatus, rawStatus, itemStatus;
    uint typed = counts.Load(1, typedStatus);
    uint2 pair = raw.Load2(8, rawStatus);
    uint item = items.Load(1, itemStatus);
    uint mapped = (CheckAccessFullyMapped(typedStatus) ? 1 : 0) + (CheckAccessFullyMapped(rawStatus) ? 1 : 0) + (CheckAccessFullyMapped(itemStatus) ? 1 : 0);
    return float4(typed, pair.y, item, mapped);
}
