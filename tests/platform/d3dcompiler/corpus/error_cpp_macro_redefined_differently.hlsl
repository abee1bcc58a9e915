// Windows: a second #define of a macro with another replacement, object-like
// or function-like, is an error.
// verdict: compile-error PSMain -
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define-2 ("A second #define for a macro with an identifier that already exists in the current context generates an error unless the second token sequence is identical to the first"); PCSX2 pull request 7651 speaks of both an error and a shader log warning for one such redefinition, so the page's word is taken
#define SCALE 2.0
#define TWICE(x) ((x) * SCALE)
#define TWICE(x) ((x) + (x))
float Shade(float y)
{
    return TWICE(y);
}
#include "shade_stages.hlsli"
