// Windows: continue inside a switch inside a loop continues the loop, and
// switches nest; the default label may come first.
// verdict: accepted
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-switch and dx-graphics-hlsl-continue
float Shade(float y)
{
    float sum = 0.0;
    for (int i = 0; i < 4; i++)
    {
        switch (i)
        {
        default:
            sum += 0.125;
            break;
        case 1:
            continue;
        case 2:
            switch (i + 1)
            {
            case 3: sum += y; break;
            default: break;
            }
            break;
        }
    }
    return sum;
}
#include "shade_stages.hlsli"
