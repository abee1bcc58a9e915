// Windows: continue directly under a case label of a switch inside a loop is
// refused, whatever the other labels share.
// verdict: compile-error PSMain X3708
// group: statements
// error text: continue cannot be used in a switch
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_CONTINUE_INSIDE_SWITCH, 3708: "A continue statement can't be used in a switch statement"); fxc's words as a Godot changelog quotes them ("Fix \"error X3708: continue cannot be used in a switch\" in HTML export", godotengine/godot pull request 75795)
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
