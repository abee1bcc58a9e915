// Windows: a switch may hold a default label alone, which every value takes.
// verdict: accepted
// probe: 5 5 1 1
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-switch (switch ( Selector ) { ... default : ... })
#include "probe_stages.hlsli"
float Always(int s)
{
    float r = 0;
    switch (s)
    {
    default:
        r = 5;
        break;
    }
    return r;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    return float4(Always(one), Always(-7 * one), one, 1);
}
