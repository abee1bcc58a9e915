// Windows: asdouble of two uint2 gives a double2, each component joining its low and high word.
// verdict: accepted
// probe: 1 -2 0.5 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-asdouble (asdouble(uint lowbits, uint highbits), and its uint2 form giving double2)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint zero = (uint)(position.x - 0.5);
    double2 pair = asdouble(uint2(zero, zero), uint2(0x3FF00000u, 0xC0000000u));
    double half_value = asdouble(zero, 0x3FE00000u + zero);
    return float4((float)pair.x, (float)pair.y, (float)half_value, 1);
}
