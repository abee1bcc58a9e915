// Windows: a function-like macro called in an #if condition expands as in code.
// verdict: accepted
// probe: 2 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if (macros in the condition are expanded first)
#define TWICE(x) ((x) * 2)
#if TWICE(2) == 4
#define CHOICE 2
#else
#define CHOICE 1
#endif
#include "choice_probe.hlsli"
