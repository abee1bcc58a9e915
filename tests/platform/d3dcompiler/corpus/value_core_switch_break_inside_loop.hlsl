// Windows: break in a switch leaves the switch, not the loop around it;
// continue in the switch goes to the loop's next turn.
// verdict: accepted
// probe: 4 1 1 10
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-break ("Exit the surrounding loop (do, for, while) or switch statement") and dx-graphics-hlsl-continue
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    float turns = 0, twos = 0, skipped = 0, sum = 0;
    for (int i = 0; i < 4 * one; ++i)
    {
        turns += 1;
        switch (i % 3)
        {
        case 1:
            twos += 1;
            break;
        case 2:
            skipped += 1;
            continue;
        default:
            break;
        }
        sum += i;
    }
    return float4(turns, twos, skipped, sum + 6);
}
