// Windows: ## joins tokens, function-like macros substitute their
// arguments, and #line sets the number __LINE__ gives the next line.
// verdict: accepted
// probe: 15 42 100 7
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define (token-pasting operator, function-like macros) and dx-graphics-hlsl-appendix-pre-line ("#line line-number")
#include "probe_stages.hlsli"
#define JOIN(a, b) a##b
#define TWICE(x) ((x) + (x))
#define NAME(n) value##n
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float value7 = 7 * (position.x * 2.0);
    float line;
#line 100
    line = __LINE__;
    return float4(JOIN(1, 5), TWICE(21), line, NAME(7));
}
