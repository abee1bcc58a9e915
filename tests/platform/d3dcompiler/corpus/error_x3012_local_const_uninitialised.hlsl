// Windows: a local const has no value without its initialiser.
// verdict: compile-error PSMain X3012
// group: refuse
// error text: 'scale': missing initial value
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (the specified variable is missing an initializer); the number and words are fxc's "error X3012: 'x': missing initial value"
float Shade(float y)
{
    const float scale;
    return scale + scale * y;
}
#include "shade_stages.hlsli"
