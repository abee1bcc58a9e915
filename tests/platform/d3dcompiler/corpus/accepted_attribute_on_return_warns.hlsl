// Windows: a loop attribute on a statement that is no loop is only a warning
// (X3554: unknown attribute loop, or attribute invalid for this statement).
// verdict: accepted
// warning: X3554 unknown attribute loop, or attribute invalid for this statement
// group: attributes
// source: fxc's "warning X3554: unknown attribute loop, or attribute invalid for this statement", quoted for "[loop] return 0;" in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl (loop_before_return)
float Shade(float y)
{
    [loop]
    return 0.5 + 0.5 * y;
}
#include "shade_stages.hlsli"
