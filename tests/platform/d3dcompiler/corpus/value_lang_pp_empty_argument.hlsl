// Windows: a function-like macro's argument may be empty; it substitutes
// no tokens.
// verdict: accepted
// probe: 3 5 2 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define (function-like macros, as C's); C99 6.10.3 (an argument of no tokens)
#include "probe_stages.hlsli"
#define ADD(a, b) (a + b + 0)
#define SIGNED(sign, x) (sign x)
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    return float4(ADD(, 3), ADD(2, 3), SIGNED(, 2), SIGNED(-, -one));
}
