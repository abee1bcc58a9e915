// Windows: continue in a do loop goes to its condition, and break in a nested
// loop leaves that loop only.
// verdict: accepted
// probe: 4 9 12 1
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-do, dx-graphics-hlsl-continue ("Stop executing the current loop ... and go to the next iteration") and dx-graphics-hlsl-break
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    int i = 0;
    float odd = 0;
    do
    {
        i += one;
        if (i % 2 == 0)
            continue;
        odd += i;
    } while (i < 4);
    float pairs = 0;
    for (int a = 0; a < 4; ++a)
    {
        for (int b = 0; b < 4; ++b)
        {
            if (b > a)
                break;
            pairs += 1;
        }
    }
    float n = 0;
    while (true)
    {
        n += 3;
        if (n >= 12)
            break;
    }
    return float4(odd, pairs - 1, n, one);
}
