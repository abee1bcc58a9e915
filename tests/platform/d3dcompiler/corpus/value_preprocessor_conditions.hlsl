// Windows: #if evaluates integer expressions, defined() and undefined names
// (as 0); #elif and #else pick the first true branch.
// verdict: accepted
// probe: 1 2 3 4
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if ("#if constant-expression", defined operator) and dx-graphics-hlsl-appendix-pre-ifdef
#include "probe_stages.hlsli"
#define FEATURE 3
#if (FEATURE * 2 + 1) == 7 && defined(FEATURE)
#define FIRST 1
#else
#define FIRST 0
#endif
#if NOT_DEFINED_ANYWHERE
#define SECOND 0
#elif FEATURE > 2
#define SECOND 2
#else
#define SECOND 0
#endif
#ifndef FEATURE
#define THIRD 0
#else
#define THIRD 3
#endif
#if !defined(NOT_DEFINED_ANYWHERE) && (1 << 3) == 8 && (7 % 4) == 3
#define FOURTH 4
#endif
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(FIRST, SECOND, THIRD, FOURTH) * (position.x * 2.0);
}
