// Windows: ## joins a number on its left in a macro continued over lines.
// verdict: accepted
// probe: 36 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define (token-pasting operator ##; a backslash continues a definition)
#include "probe_stages.hlsli"
#define JOIN(a, b) \
    a##b
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(JOIN(3, 6), position.x, 0, position.w * 0.5);
}
