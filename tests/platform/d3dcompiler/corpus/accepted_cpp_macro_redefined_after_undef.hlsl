// Windows: after #undef a macro may be defined with another replacement, the
// function-like one as an object-like one.
// verdict: accepted
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-undef ("Removes the current definition of an identifier") and dx-graphics-hlsl-appendix-pre-define-2 (the error is for an identifier that already exists)
#define TWICE(x) ((x) * 2)
#undef TWICE
#define TWICE 2.0
float Shade(float y)
{
    return y * TWICE;
}
#include "shade_stages.hlsli"
