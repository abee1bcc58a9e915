// Windows: double arithmetic is IEEE double: ten additions of 0.1L give
// 0.9999999999999999, below 1.0L, while ten additions of the float 0.1
// give 1.0000001192...; a double converts to float rounding to nearest.
// verdict: accepted
// probe: 0 0 -1.110223 1.1920929
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar ("double - 64-bit floating point value"; the L suffix makes a double literal, dx-graphics-hlsl-appendix-grammar) and learn.microsoft.com/windows/win32/direct3d11/floating-point-rules (double precision follows IEEE-754)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    double scale = one;
    float fs = 0;
    double ds = 0;
    for (int i = 0; i < 10; i++)
    {
        fs += 0.1 * one;
        ds += 0.1L * scale;
    }
    return float4(fs == 1.0, ds == 1.0L, (float)((ds - 1.0L) * 1e16L), (fs - 1.0) * 1e7);
}
