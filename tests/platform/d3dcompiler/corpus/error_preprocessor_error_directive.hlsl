// Windows: #error stops the compile with the directive's text.
// verdict: compile-error PSMain -
// group: preprocessor
// error text: shading model too old
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-error ("#error token-string": the compiler emits the message and fails)
#define MODEL 4
#if MODEL < 5
#error shading model too old
#endif
float Shade(float y)
{
    return y;
}
#include "shade_stages.hlsli"
