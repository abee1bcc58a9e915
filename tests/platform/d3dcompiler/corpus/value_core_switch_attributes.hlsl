// Windows: [branch], [flatten], [forcecase] and [call] before a switch change
// how it is compiled, never what it computes.
// verdict: accepted
// probe: 7 8 9 6
// group: attributes
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-switch (attributes flatten, branch, forcecase, call)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int s = (int)(position.x * 2.0);
    float4 r = 0;
    [branch] switch (s)
    {
    case 1: r.x = 7; break;
    default: r.x = -1; break;
    }
    [flatten] switch (s + 1)
    {
    case 2: r.y = 8; break;
    default: r.y = -1; break;
    }
    [forcecase] switch (s)
    {
    case 0: r.z = -1; break;
    case 1: r.z = 9; break;
    }
    [call] switch (s * 2)
    {
    case 2: r.w = 6; break;
    default: r.w = -1; break;
    }
    return r;
}
