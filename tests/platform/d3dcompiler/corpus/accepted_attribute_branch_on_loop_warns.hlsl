// Windows: [branch] belongs to if and switch statements; on a loop it is only a warning.
// verdict: accepted
// warning: X3554 unknown attribute branch, or attribute invalid for this statement
// group: attributes
// source: fxc's "warning X3554: unknown attribute loop, or attribute invalid for this statement" for [loop] before a return, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for (the loop's attributes: unroll, loop, fastopt, allow_uav_condition)
float Shade(float y)
{
    float sum = 0;
    [branch]
    for (int i = 0; i < 2; ++i)
    {
        sum += y;
    }
    return sum * 0.5;
}
#include "shade_stages.hlsli"
