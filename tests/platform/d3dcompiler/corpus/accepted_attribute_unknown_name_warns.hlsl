// Windows: an attribute the compiler does not know is a warning (X3554), not an error.
// verdict: accepted
// warning: X3554 unknown attribute noodles, or attribute invalid for this statement
// group: attributes
// source: fxc's "warning X3554: unknown attribute ..., or attribute invalid for this statement", quoted in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl; learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings
float Shade(float y)
{
    float sum = 0.0;
    [noodles] for (int i = 0; i < 4; i++)
        sum += y * 0.25;
    return sum;
}
#include "shade_stages.hlsli"
