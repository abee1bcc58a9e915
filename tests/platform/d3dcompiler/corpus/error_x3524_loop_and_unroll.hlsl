// Windows: [loop] and [unroll] ask for opposite code for one loop.
// verdict: compile-error PSMain X3524
// group: refuse
// error text: can't use loop and unroll attributes together
// source: fxc's "error X3524: can't use loop and unroll attributes together", quoted in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for (the loop attributes)
float Shade(float y)
{
    float sum = 0.0;
    [loop] [unroll]
    for (int i = 0; i < 4; i++) {
        sum += 0.125 * y;
    }
    return 0.5 + sum;
}
#include "shade_stages.hlsli"
