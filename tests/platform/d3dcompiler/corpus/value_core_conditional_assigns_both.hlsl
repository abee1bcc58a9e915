// Windows: ?: evaluates both of its values, so an assignment on the side not
// chosen still happens; || and && evaluate their right side where C would not.
// verdict: accepted
// probe: 1 2 3 4
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators ("Unlike short-circuit evaluation of &&, ||, and ?: in C, HLSL expressions never short-circuit an evaluation because they are vector operations. All sides of the expression are always evaluated.")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    bool yes = position.x > 0.0;
    float a = 0, b = 0, c = 0, d = 0;
    float chosen = yes ? (a = 1) : (b = 2);
    bool either = yes || ((c = 3) > 0);
    bool both = !yes && ((d = 4) > 0);
    return float4(a * chosen, b, c * either, d + both);
}
