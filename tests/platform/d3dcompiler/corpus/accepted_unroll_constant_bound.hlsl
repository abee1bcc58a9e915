// Windows: [unroll] on a loop whose bound is a constant the shader knows (a
// static const) unrolls it.
// verdict: accepted
// group: attributes
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for (unroll) and dx-graphics-hlsl-variable-syntax (static const)
static const int kSteps = 4;
float Shade(float y)
{
    float sum = 0.0;
    [unroll] for (int i = 0; i < kSteps; i++)
        sum += 0.125 * y;
    return sum;
}
#include "shade_stages.hlsli"
