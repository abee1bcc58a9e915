// Windows: a local variable declared twice in one scope.
// verdict: compile-error PSMain X3003
// group: functions
// error text: redefinition of 'scale'
// source: fxc's "X3003: redefinition of 't1s'" for a float3 declared twice in one function (a project's notes found by code search); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings
float Shade(float y)
{
    float scale = 0.5;
    float scale = 0.25;
    return scale + scale * y;
}
#include "shade_stages.hlsli"
