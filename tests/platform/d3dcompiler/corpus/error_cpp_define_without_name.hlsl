// Windows: #define without a name.
// verdict: compile-error PSMain -
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define (#define identifier token-string); Windows' number for it was not found
#define
float Shade(float y)
{
    return y;
}
#include "shade_stages.hlsli"
