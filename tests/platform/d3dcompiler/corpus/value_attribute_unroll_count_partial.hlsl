// Windows: [unroll(3)] on a loop of ten iterations, and [loop] on a loop that breaks early, compute what the plain loop computes.
// verdict: accepted
// probe: 5 2 0.5 10
// group: attributes
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for ("unroll(x)": unroll until the loop stops executing; at most x iterations unrolled) and dx-graphics-hlsl-break
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float sum = 0;
    [unroll(3)]
    for (int i = 0; i < 10; ++i)
    {
        sum += position.x;
    }
    float steps = 0;
    [loop]
    for (int j = 0; j < 100; ++j)
    {
        if (j == 2)
        {
            break;
        }
        steps += 1;
    }
    float last = 0;
    [unroll]
    for (int k = 0; k < 4; ++k)
    {
        if (k == 3)
        {
            continue;
        }
        last = position.x;
    }
    return float4(sum, steps, last, sum * 2);
}
