// Windows: a global static declared twice.
// verdict: compile-error PSMain X3003
// group: declarations
// error text: redefinition of 'g_gain'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3003: redefinition)
static float g_gain = 2.0;
static float g_gain = 3.0;
float Shade(float y)
{
    return y * g_gain;
}
#include "shade_stages.hlsli"
