// Windows: flow-control attribute names are matched without regard to case.
// verdict: accepted
// group: attributes
// source: DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl ("Test support for title case in attributes": [Loop], [Unroll], [Branch], [Flatten], [FastOpt], [ForceCase], [Call], [Allow_UAV_Condition] compile under fxc)
float Shade(float y)
{
    float sum = 0;
    [Unroll]
    for (int i = 0; i < 2; ++i)
    {
        sum += y;
    }
    [Loop]
    for (int j = 0; j < 2; ++j)
    {
        sum += y;
    }
    [Branch]
    if (y > 2)
    {
        sum = 0;
    }
    [Flatten]
    if (y < -2)
    {
        sum = 1;
    }
    [ForceCase]
    switch (int(y))
    {
    case 7:
        sum = 2;
        break;
    default:
        break;
    }
    [FastOpt]
    while (sum > 100)
    {
        sum -= 1;
    }
    return sum * 0.25;
}
#include "shade_stages.hlsli"
