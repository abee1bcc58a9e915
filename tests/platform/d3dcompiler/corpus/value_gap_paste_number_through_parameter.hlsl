// Windows: a macro passes its own parameter to a macro whose ## joins a
// number on its left: the argument is substituted first, then pasted.
// verdict: accepted
// probe: 42 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define (token-pasting operator ##); C99 6.10.3.1 and 6.10.3.4 (arguments substituted, then the replacement rescanned)
#include "probe_stages.hlsli"
#define JOIN(a, b) a##b
#define FORTY(x) JOIN(4, x)
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(FORTY(2), position.x, 0, position.w * 0.5);
}
