// Windows: a name no macro defines reads 0 in an #if condition.
// verdict: accepted
// probe: 1 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if (identifiers that are not macros evaluate to 0, as C's #if; C99 6.10.1)
#if NEVER_DEFINED_NAME
#define CHOICE 2
#else
#define CHOICE 1
#endif
#include "choice_probe.hlsli"
