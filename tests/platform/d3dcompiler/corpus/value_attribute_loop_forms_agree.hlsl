// Windows: a loop gives the same value under [loop], [unroll], [unroll(2)] (a partial unroll of a longer loop) and [fastopt].
// verdict: accepted
// probe: 2 2 2 2
// group: attributes
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for ("unroll(x)": unroll until the loop stops executing; loop, fastopt: how the loop compiles, not what it computes)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float a = 0, b = 0, c = 0, d = 0;
    [loop]
    for (int i = 0; i < 4; ++i)
    {
        a += position.x;
    }
    [unroll]
    for (int j = 0; j < 4; ++j)
    {
        b += position.x;
    }
    [unroll(2)]
    for (int k = 0; k < 4; ++k)
    {
        c += position.x;
    }
    int n = 0;
    [fastopt]
    while (n < 4)
    {
        d += position.x;
        ++n;
    }
    return float4(a, b, c, d);
}
