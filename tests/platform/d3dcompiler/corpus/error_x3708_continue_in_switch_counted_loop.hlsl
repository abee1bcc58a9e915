// Windows: continue in a switch inside a loop is refused; the loop's own
// continue would have to stand outside the switch.
// verdict: compile-error PSMain X3708
// group: statements
// error text: continue cannot be used in a switch
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_CONTINUE_INSIDE_SWITCH, 3708: "A continue statement can't be used in a switch statement"); fxc's words as a Godot changelog quotes them ("Fix \"error X3708: continue cannot be used in a switch\" in HTML export", godotengine/godot pull request 75795)
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
