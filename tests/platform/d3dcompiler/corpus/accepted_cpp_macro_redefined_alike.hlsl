// Windows: a macro defined again with the same replacement is no redefinition.
// verdict: accepted
// group: preprocessor
// source: C99 6.10.3 (an identical redefinition is allowed), which learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define follows
#define SCALE 2.0
#define SCALE 2.0
float Shade(float y)
{
    return y * SCALE;
}
#include "shade_stages.hlsli"
