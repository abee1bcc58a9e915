// Windows: empty case labels share the statements that follow them; the
// last case may end without break.
// verdict: accepted
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-switch; fxc refuses only non-empty case statements without break or return (X3533, DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl)
float Shade(float y)
{
    float sum = 0.0;
    int k = y > 0.0 ? 1 : 2;
    switch (k)
    {
    case 0:
    case 1:
        sum += 0.5;
        break;
    case 2:
        return 0.25;
    default:
        sum += y;
    }
    return sum;
}
#include "shade_stages.hlsli"
