// Windows: a for statement declaring a name a local of the function already holds warns X3078 and,
// as fxc's older scoping puts the loop's variable in the block around the loop, the name read after
// the loop is the loop's variable ("most recent declaration will be used"): 3, not the outer 7.
// verdict: accepted
// probe: 3 3 1 1
// warning: X3078 'i': loop control variable conflicts with a previous declaration in the outer scope; most recent declaration will be used
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3078: loop control variable conflicts with a previous declaration in the outer scope; most recent declaration will be used); DirectXShaderCompiler's tools/clang/test/HLSL/loop-induction-scoping-2021.hlsl (fxc's scoping, changed by HLSL 2021)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float sum = 0;
    int i = 7;
    for (int i = 0; i < 3; i++)
        sum += one;
    return float4(sum, i, one, 1);
}
