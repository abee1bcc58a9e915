// Windows: the remainder of a division by a constant expression that folds to zero.
// verdict: compile-error PSMain -
// group: refuse
// error text: division by zero
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (a division by zero found while parsing the shader is an error); issue 20 records Windows refusing constant integer division (and modulo) by zero
float Shade(float y)
{
    int phase = 7 % (2 - 2);
    return 0.5 + 0.5 * y * phase;
}
#include "shade_stages.hlsli"
