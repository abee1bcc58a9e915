// Windows: a parameter cannot be both uniform and an input.
// verdict: compile-error PSMain -
// group: refuse
// error text: uniform parameters cannot also be declared in, out or inout
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (uniform marks a parameter whose value comes from constant data, in and out mark values passed between functions); issue 20 records Windows refusing "uniform in"; Windows' error number and words for it were not found, so the words are our own
float Half(uniform in float y)
{
    return 0.5 * y;
}
float Shade(float y)
{
    return 0.5 + Half(y);
}
#include "shade_stages.hlsli"
