// Windows: break and continue act on the innermost loop; a do-while runs
// its body before the test and its continue goes to the test; && binds
// tighter than || in a while condition.
// verdict: accepted
// probe: 447 6 13 8
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-break, dx-graphics-hlsl-continue, dx-graphics-hlsl-do and dx-graphics-hlsl-while; dx-graphics-hlsl-operators (precedence as in C)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = int(position.x * 2.0);
    int n = 4 * one;
    int sum = 0;
    for (int i = 0; i < n; i++)
    {
        for (int j = 0; j < n; j++)
        {
            if (j > i)
                break;
            if (j == 1)
                continue;
            sum += 10 * i + j;
        }
        if (i == 2)
            continue;
        sum += 100;
    }
    int k = 0;
    int steps = 0;
    do
    {
        k += 3;
        steps++;
        if (k == 7)
            continue;
        k -= 1;
    } while (k < n * 3);
    int a = 0;
    int b = 10 * one;
    while (a < b && (a + b) % 7 != 0 || a == 0)
    {
        a += 2;
        b -= 1;
    }
    return float4(sum, steps, k, a);
}
