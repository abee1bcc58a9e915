// Windows: asuint, asint and asfloat reinterpret the 32 bits unchanged.
// verdict: accepted
// probe: 1056964608 -1073741824 3 0.5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-asuint, dx-graphics-hlsl-asint and dx-graphics-hlsl-asfloat ("Interprets the bit pattern of x as ...")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint zero = (uint)(position.x - 0.5);
    return float4(asuint(position.x), asint(-position.x * 4.0), asfloat(0x40400000u + zero),
                  asfloat(asuint(position.x)));
}
