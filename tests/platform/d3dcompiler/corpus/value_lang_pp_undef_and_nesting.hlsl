// Windows: #undef removes a macro, after which #ifdef is false and #ifndef
// true; conditions nest, and an inner one in a skipped branch is skipped.
// verdict: accepted
// probe: 1 2 3 4
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-undef, dx-graphics-hlsl-appendix-pre-ifdef, dx-graphics-hlsl-appendix-pre-ifndef
#include "probe_stages.hlsli"
#define FEATURE 7
#undef FEATURE
#ifdef FEATURE
#define A 0
#else
#define A 1
#endif
#ifndef FEATURE
#define FEATURE 2
#endif
#if 0
#ifdef FEATURE
#error skipped branches are not read
#endif
#define C 0
#elif defined(FEATURE) && FEATURE == 2
#ifndef NOT_DEFINED
#define C 3
#endif
#endif
#define D 1
#undef D
#define D 4
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(A, FEATURE, C, D + position.x * 0.0);
}
