// Windows: break inside a switch leaves the switch, not the loop around it;
// continue inside a switch goes to the loop's next iteration; labels with
// no statements between them share what follows.
// verdict: accepted
// probe: 4121 0 0 0
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-switch, dx-graphics-hlsl-break ("exit the nearest enclosing loop or switch") and dx-graphics-hlsl-continue
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = int(position.x * 2.0);
    int total = 0;
    for (int i = 0; i < 5 * one; i++)
    {
        switch (i)
        {
        case 0:
            total += 1;
            break;
        case 1:
            continue;
        case 2:
        case 3:
            total += 10;
            break;
        default:
            total += 100;
            break;
        }
        total += 1000;
    }
    return float4(total, 0, 0, 0);
}
