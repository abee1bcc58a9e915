// Windows: ## joins two numbers into one number, and a name with a number.
// verdict: accepted
// probe: 15 2.5 7 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define (token-pasting operator ##); C99 6.10.3.3 (the joined tokens form one preprocessing number)
#include "probe_stages.hlsli"
#define JOIN(a, b) a##b
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float value7 = 7.0;
    return float4(JOIN(1, 5), JOIN(2, .5), JOIN(value, 7), position.x * 2.0);
}
