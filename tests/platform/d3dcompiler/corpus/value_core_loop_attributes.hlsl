// Windows: [loop], [unroll], [unroll(n)], [fastopt] and [allow_uav_condition]
// before for, while and do loops change how they are compiled, never what
// they compute.
// verdict: accepted
// probe: 10 10 6 21
// group: attributes
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for, dx-graphics-hlsl-while and dx-graphics-hlsl-do (attributes unroll(x), loop, fastopt, allow_uav_condition)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int n = (int)(position.x * 2.0) * 4;
    float a = 0, b = 0, c = 0, d = 0;
    [loop] for (int i = 1; i <= n; ++i)
        a += i;
    [unroll] for (int j = 1; j <= 4; ++j)
        b += j;
    int k = 0;
    [fastopt] while (k < 3)
    {
        ++k;
        c += k;
    }
    int m = 0;
    [allow_uav_condition] do
    {
        ++m;
        d += m;
    } while (m < 5);
    [unroll(2)] for (int q = 0; q < n; ++q)
        d += q;
    return float4(a, b, c, d);
}
