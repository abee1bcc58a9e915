// Windows: a continue whose nearest enclosing statement is a switch is refused, even
// inside a loop; the nested switch and the default label first are not at fault.
// verdict: compile-error PSMain X3708
// group: statements
// error text: continue cannot be used in a switch
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_CONTINUE_INSIDE_SWITCH, 3708: "A continue statement can't be used in a switch statement"); fxc's words as a Godot changelog quotes them ("Fix \"error X3708: continue cannot be used in a switch\" in HTML export", godotengine/godot pull request 75795)
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
