// Windows: a variable declared in a for statement's first part stays in
// scope after the loop (HLSL's older scoping), and a second loop may declare
// it again (warning X3078).
// verdict: accepted
// warning: X3078 'i': loop control variable conflicts with a previous declaration in the outer scope; most recent declaration will be used
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3078: loop control variable conflicts with a previous declaration in the outer scope; most recent declaration will be used); DirectXShaderCompiler's tools/clang/test/HLSL/loop-induction-scoping-2021.hlsl (fxc's scoping, changed by HLSL 2021)
float Shade(float y)
{
    float sum = 0.0;
    for (int i = 0; i < 2; i++)
        sum += 0.25;
    for (int i = 0; i < 2; i++)
        sum += 0.125 * y;
    return sum + i * 0.0;
}
#include "shade_stages.hlsli"
