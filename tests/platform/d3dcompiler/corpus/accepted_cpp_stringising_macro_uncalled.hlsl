// Windows: a function-like macro whose replacement makes its argument a
// string with # is a definition like any other, taken where it is never
// called (a header shared with C++ code, say).
// verdict: accepted
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define-2 (a function-like macro's token-string) and learn.microsoft.com/cpp/preprocessor/stringizing-operator-hash ("causes the corresponding actual argument to be enclosed in double quotation marks"), the Microsoft preprocessor HLSL's follows
#define NAME_OF(x) #x
#define LABELLED(kind, x) kind ## _label = #x
float Shade(float y)
{
    return y * 2.0;
}
#include "shade_stages.hlsli"
