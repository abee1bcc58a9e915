// Windows: mad(m, a, b) is m * a + b for floats and integers; fma takes
// doubles.
// verdict: accepted
// probe: 10 -2 7 0.5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-mad and dx-graphics-hlsl-fma ("double fma(double a, double b, double c)")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    int n = int(one);
    double d = fma((double)one, 3.0L, 4.0L);
    return float4(mad(2.0 * one, 3.0, 4.0), mad(n, -4, 2), (float)d, mad(one, 0.25, 0.25));
}
