// Windows: min, max and abs take doubles at shader model 5.0 and keep a double's precision.
// verdict: accepted
// probe: 1 -2.5 2.5 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-min, dx-graphics-hlsl-max and dx-graphics-hlsl-abs (double among the component types), dmin--sm5---asm- and dmax--sm5---asm-
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    double one = (double)(position.x * 2.0);
    double big = 16777216.0 * one;
    double low = min(-2.5 * one, one);
    double high = max(big + one, big);
    return float4((float)(high - big), (float)low, (float)abs(low), (float)(max(low, one)));
}
