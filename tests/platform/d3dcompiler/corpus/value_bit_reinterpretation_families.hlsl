// Windows: asfloat, asint and asuint reinterpret 32 bits; f32tof16 gives a
// half's bits in the low 16 bits, and f16tof32 reads them back.
// verdict: accepted
// probe: 1 1065353216 15360 -2
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-asfloat, -asint, -asuint, dx-graphics-hlsl-f32tof16 and dx-graphics-hlsl-f16tof32
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    uint bits = 0x3f800000u * uint(one);
    return float4(asfloat(bits), asint(one), f32tof16(one), f16tof32(0xC000u * uint(one)));
}
