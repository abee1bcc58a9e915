// Windows: defined NAME and defined(NAME) both test a macro, inside any
// #if expression; a function-like macro's name alone is not a call of it.
// verdict: accepted
// probe: 1 2 3 4
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if (the defined operator, with or without parentheses) and dx-graphics-hlsl-appendix-pre-define (a function-like macro's name followed by no parenthesis is not replaced)
#include "probe_stages.hlsli"
#define FEATURE
#define SCALE(x) ((x) * 10)
#if defined FEATURE && !defined MISSING
#define A 1
#else
#define A 0
#endif
#if defined(FEATURE) + defined(SCALE) == 2
#define B 2
#else
#define B 0
#endif
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float SCALE = 3.0;
    return float4(A, B, SCALE, SCALE(0.4) + position.x * 0.0);
}
