// Windows: the first true #elif of a chain is taken, and no later one.
// verdict: accepted
// probe: 3 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if (#if, #elif, #else: the first whose condition holds)
#define LEVEL 3
#if LEVEL == 1
#define CHOICE 1
#elif LEVEL == 2
#define CHOICE 2
#elif LEVEL >= 3
#define CHOICE 3
#elif LEVEL >= 2
#define CHOICE 4
#else
#define CHOICE 5
#endif
#include "choice_probe.hlsli"
