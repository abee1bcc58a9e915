// Windows: a raw buffer holds words: a float stored through asuint reads back through asfloat.
// verdict: accepted
// probe: 1.5 3 0 0
// group: resources
// uav u1: raw 2
// expect u1: 1.5 3
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwbyteaddressbuffer-store ("value: The input value", a uint); asuint and asfloat reinterpret the bits (dx-graphics-hlsl-asuint, asfloat)
#include "resource_stages.hlsli"
RWByteAddressBuffer raw : register(u1);
float4 PSMain() : SV_Target
{
    raw.Store(0, asuint(1.5));
    raw.Store(4, 3);
    return float4(asfloat(raw.Load(0)), raw.Load(4), 0, 0);
}
