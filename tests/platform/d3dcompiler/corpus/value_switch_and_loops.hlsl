// Windows: switch picks the matching case or default; break and continue
// leave and skip loop iterations; a while loop tests before each iteration.
// verdict: accepted
// probe: 20 9 3 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-switch, dx-graphics-hlsl-break, dx-graphics-hlsl-continue and dx-graphics-hlsl-while
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int two = (int)(position.x * 4.0);
    float picked = 0;
    switch (two)
    {
    case 1:
        picked = 10;
        break;
    case 2:
        picked = 20;
        break;
    default:
        picked = 30;
        break;
    }
    int odd = 0;
    for (int i = 0; i < 10; i++)
    {
        if (i == 7)
            break;
        if ((i & 1) == 0)
            continue;
        odd += i; // 1 + 3 + 5
    }
    int steps = 0;
    while (steps < two + 1)
    {
        steps++;
    }
    int never = 0;
    while (never > two)
    {
        never++;
    }
    return float4(picked, odd, steps, never);
}
