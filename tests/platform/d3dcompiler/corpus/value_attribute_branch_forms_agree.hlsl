// Windows: [branch] and [flatten] on an if, and [branch], [flatten], [forcecase] and [call] on a switch, do not change the value.
// verdict: accepted
// probe: 1 3 5 7
// group: attributes
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-if (branch, flatten) and dx-graphics-hlsl-switch (branch, flatten, forcecase, call): each chooses how the statement compiles
#include "probe_stages.hlsli"
float Pick(int which)
{
    float r = 0;
    [call]
    switch (which)
    {
    case 1:
        r = 5;
        break;
    default:
        r = 9;
        break;
    }
    return r;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float4 result = 0;
    [branch]
    if (position.x > 0.25)
    {
        result.x = 1;
    }
    [flatten]
    if (position.x < 0.25)
    {
        result.y = 10;
    }
    else
    {
        result.y = 3;
    }
    int which = int(position.x * 2.0);
    result.z = Pick(which);
    [forcecase]
    switch (which)
    {
    case 0:
        result.w = 2;
        break;
    case 1:
        result.w = 7;
        break;
    default:
        result.w = 4;
        break;
    }
    return result;
}
