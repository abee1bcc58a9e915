// Windows: a double quotient is a double's: 1/3 in double less 1/3 in float leaves the float's rounding error, about -9.934e-9 (scaled by 1e8 here).
// verdict: accepted
// probe: -0.993410748 1 0 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/ddiv--sm5---asm- (double division) and dx-graphics-hlsl-scalar ("double: 64-bit floating point value")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    double one = (double)(position.x * 2.0);
    double third = one / (one * 3.0);
    float thirdFloat = (float)(position.x * 2.0) / 3.0;
    double error = third - (double)thirdFloat;
    return float4((float)(error * 100000000.0), (float)(third * 3.0), (float)(error * 0.0), (float)one);
}
