// Windows: a switch with two default labels.
// verdict: compile-error PSMain -
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-switch ("default: at most one"; the statement's form as C's); Windows' number for it was not found
float Shade(float y)
{
    float r = y;
    switch (int(y))
    {
    default:
        r = 1.0;
        break;
    case 1:
        r = 2.0;
        break;
    default:
        r = 3.0;
        break;
    }
    return r;
}
#include "shade_stages.hlsli"
