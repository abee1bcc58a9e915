// Windows: integer constants divided by zero are folded, and refused.
// verdict: compile-error PSMain -
// group: refuse
// error text: division by zero
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (a division by zero found while parsing the shader is an error); issue 20 records Windows refusing constant integer division by zero; the error's number is not given there, so none is checked
float Shade(float y)
{
    const int steps = 4 / 0;
    return 0.5 + 0.5 * y * steps;
}
#include "shade_stages.hlsli"
