// Windows: an int or float operand beside a double is converted to double, so the sum keeps 2^24 + 1.
// verdict: accepted
// probe: 1 1 16777217 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar and dx-graphics-hlsl-per-component-math (binary operators convert to the larger type)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    float f = 16777216.0 * position.x * 2.0;
    double d = (double)f;
    double sumInt = d + one;
    double sumFloat = d + (float)one;
    double sumFloat2 = (f + (float)one) + (double)0;
    return float4((float)(sumInt - d), (float)(sumFloat - d), (float)(int)sumInt, (float)(sumFloat2 - d));
}
