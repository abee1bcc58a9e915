// Windows: both values of ?: are evaluated, so an increment in each runs once
// whichever the condition picks.
// verdict: accepted
// probe: 1 1 5 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators ("HLSL expressions never short-circuit an evaluation ... All sides of the expression are always evaluated.")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int i = 0, j = 0;
    int k = 4;
    int picked = position.x > 0.0 ? ++i : ++j;
    bool skipped = position.x < 0.0 && (++k > 0);
    return float4(i, j, k, picked + skipped);
}
