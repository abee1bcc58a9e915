// Windows: ## joins a number on its left inside a macro an included file
// defines.
// verdict: accepted
// probe: 15 25 0.5 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define (token-pasting operator ##); C99 6.10.3.3 (the joined tokens form one preprocessing number)
#include "probe_stages.hlsli"
#include "gap_paste.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(GAP_JOIN(1, 5), GAP_JOIN(2, 5), position.x, position.w * 0.5);
}
