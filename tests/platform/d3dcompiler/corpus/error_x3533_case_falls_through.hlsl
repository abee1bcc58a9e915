// Windows: a case with statements must end in break or return; only empty
// case labels may share the statements that follow.
// verdict: compile-error PSMain X3533
// group: statements
// error text: non-empty case statements must have break or return
// source: fxc's "error X3533: non-empty case statements must have break or return", quoted in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl and Tint's HLSL test expectations; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-switch
float Shade(float y)
{
    float sum = 0.0;
    int k = y > 0.0 ? 1 : 0;
    switch (k)
    {
    case 0:
        sum += 0.25;
    case 1:
        sum += 0.5;
        break;
    default:
        break;
    }
    return sum;
}
#include "shade_stages.hlsli"
