// Windows: abs of an int negates a negative value in two's complement, so
// abs(INT_MIN) stays INT_MIN, and sign(INT_MIN) is -1; abs of a float
// clears the sign bit, so abs(-0) is +0.
// verdict: accepted
// probe: -2147483648 5 0 -1
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-abs (float and int components); abs of an int compiles to imax(x, -x) and ineg--sm4---asm- negates in two's complement; windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion (abs clears the sign)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint zero = (uint)(position.x - 0.5);
    int intMin = asint(0x80000000u | zero);
    int one = (int)(position.x * 2.0);
    float minusZero = asfloat(0x80000000u | zero);
    return float4(abs(intMin), abs(-5 * one), asuint(abs(minusZero)), sign(intMin));
}
