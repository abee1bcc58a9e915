// Windows: &&, || and ?: never short-circuit: both sides are evaluated, so a
// call on the side C would skip still runs.
// verdict: accepted
// probe: 3 1 0 7
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators ("Unlike short-circuit evaluation of &&, ||, and ?: in C, HLSL expressions never short-circuit an evaluation because they are vector operations. All sides of the expression are always evaluated.")
#include "probe_stages.hlsli"
static int s_calls;
bool Count()
{
    s_calls += 1;
    return true;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    bool yes = position.x > 0.0;
    bool either = yes || Count();
    bool both = !yes && Count();
    float chosen = yes ? 7.0 : (Count() ? 8.0 : 9.0);
    return float4(s_calls, either, both, chosen);
}
