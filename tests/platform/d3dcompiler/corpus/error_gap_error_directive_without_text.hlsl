// Windows: #error without text still stops the compile.
// verdict: compile-error PSMain -
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-error ("#error token-string": the compiler emits the message and fails; the token string is optional in C)
#ifndef NEVER_DEFINED
#error
#endif
float Shade(float y)
{
    return y;
}
#include "shade_stages.hlsli"
