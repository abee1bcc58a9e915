// Windows: a function-like macro's name without arguments in an #if is no call;
// it reads 0.
// verdict: accepted
// probe: 1 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if; C99 6.10.1 and 6.10.3 (a function-like macro's name not followed by '(' is not replaced, and a name left is 0)
#define TWICE(x) ((x) * 2)
#if TWICE
#define CHOICE 2
#else
#define CHOICE 1
#endif
#include "choice_probe.hlsli"
