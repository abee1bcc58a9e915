// Windows: ## joins a number on its left in a call that another macro's
// replacement makes.
// verdict: accepted
// probe: 15 1.5 0.5 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define (token-pasting operator ##); C99 6.10.3.4 (a replacement is rescanned for further macro names)
#include "probe_stages.hlsli"
#define JOIN(a, b) a##b
#define FIFTEEN JOIN(1, 5)
#define SCALED(x) (x * JOIN(0., 1))
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(FIFTEEN, SCALED(FIFTEEN), position.x, position.w * 0.5);
}
