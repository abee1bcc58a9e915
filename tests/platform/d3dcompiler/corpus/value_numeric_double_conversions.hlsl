// Windows: a double converts to int and uint toward zero, and to float by
// rounding; an int converts to double exactly.
// verdict: accepted
// probe: -2 3 0.333333343 1
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar ("double: 64-bit floating point value"), dtoi--sm5---asm- and dtou--sm5---asm- (round toward zero), dtof--sm5---asm-
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    double scale = (double)(position.x * 2.0);
    double d = -2.75 * scale;
    int big = 16777217 * (int)(position.x * 2.0);
    double exact = (double)big;
    return float4((int)d, (uint)(-d + 1.0), (float)(scale / 3.0), (float)(exact - 16777216.0));
}
