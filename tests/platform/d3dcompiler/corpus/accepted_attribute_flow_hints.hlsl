// Windows: each flow-control statement takes its own hints: [branch] and
// [flatten] on if, [loop], [unroll], [fastopt] and [allow_uav_condition] on
// loops, [branch], [flatten], [forcecase] and [call] on switch.
// verdict: accepted
// group: attributes
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-if, -for, -while, -do and -switch (the attributes each statement takes)
float Shade(float y)
{
    float sum = 0.0;
    [branch] if (y > 0.0)
        sum += 0.25;
    [flatten] if (y < 0.5)
        sum += 0.125;
    [fastopt] for (int i = 0; i < 2; i++)
        sum += 0.0625;
    [allow_uav_condition] for (int j = 0; j < 2; j++)
        sum += 0.0625;
    int k = 0;
    [loop] while (k < 2)
        k++;
    [unroll] do { k--; } while (k > 0);
    [forcecase] switch (k)
    {
    case 0: sum += y; break;
    default: break;
    }
    [call] switch (k)
    {
    case 1: sum -= y; break;
    default: sum += 0.0; break;
    }
    return sum;
}
#include "shade_stages.hlsli"
