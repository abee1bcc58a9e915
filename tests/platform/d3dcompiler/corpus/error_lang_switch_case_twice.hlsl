// Windows: two case labels of one value in a switch.
// verdict: compile-error PSMain -
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-switch (the statement's form as C's, whose case values are distinct); Windows' number for it was not found
float Shade(float y)
{
    float r = y;
    switch (int(y))
    {
    case 1:
        r = 1.0;
        break;
    case 1:
        r = 2.0;
        break;
    }
    return r;
}
#include "shade_stages.hlsli"
