// Windows: labels with no statements between them share the statements that
// follow; default may stand between cases; break leaves the switch.
// verdict: accepted
// probe: 10 20 30 20
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-switch
#include "probe_stages.hlsli"
float Pick(int selector)
{
    float r = 0.0;
    switch (selector)
    {
    case 0:
    case 1:
        r = 10.0;
        break;
    default:
    case 3:
        r = 20.0;
        break;
    case 2:
        r = 30.0;
        break;
    }
    return r;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int base = int(position.x);
    return float4(Pick(base + 1), Pick(base + 3), Pick(base + 2), Pick(base + 7));
}
