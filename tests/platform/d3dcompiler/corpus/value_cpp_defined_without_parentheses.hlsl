// Windows: 'defined NAME' without parentheses tests the name as 'defined(NAME)' does.
// verdict: accepted
// probe: 2 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if (defined identifier, with or without parentheses)
#define FEATURE
#if defined FEATURE && !defined MISSING
#define CHOICE 2
#else
#define CHOICE 1
#endif
#include "choice_probe.hlsli"
