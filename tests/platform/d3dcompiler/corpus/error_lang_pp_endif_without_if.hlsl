// Windows: an #endif with no #if before it.
// verdict: compile-error PSMain -
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if ("each #if directive in a source file must be matched by a closing #endif directive")
float Shade(float y)
{
    return y;
}
#endif
#include "shade_stages.hlsli"
