// Windows: ByteAddressBuffer Load, Load2, Load3 and Load4 read one to four 32-bit words from a byte offset; past the end they read 0.
// verdict: accepted
// probe: 2 4 7 4
// group: resources
// buffer t0: raw 8 : 1 2 3 4 5 6 7 8
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-byteaddressbuffer-load, -load2, -load3, -load4 ("address: The input address in bytes, which must be a multiple of 4"); dx-graphics-hlsl-to-load (out of bounds reads zero)
#include "resource_stages.hlsli"
ByteAddressBuffer raw : register(t0);
float4 PSMain() : SV_Target
{
    return float4(raw.Load(4) + raw.Load(32) * 100, raw.Load2(8).y, raw.Load3(16).z, raw.Load4(0).w);
}
