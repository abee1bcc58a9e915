// Windows: [unroll(n)] may ask for fewer unrolled iterations than the loop runs.
// verdict: accepted
// group: attributes
// source: DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl (short_unroll: "[unroll(2)] for (int i = 0; i < 100; i++)", which fxc compiles); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for (unroll(x))
float Shade(float y)
{
    float sum = 0.0;
    [unroll(2)] for (int i = 0; i < 100; i++)
        sum += y * 0.01;
    return sum;
}
#include "shade_stages.hlsli"
