// Windows: ldexp(x, exp) is x * 2^exp with a float exponent, fractions included.
// verdict: accepted
// probe: 4 1.41421356 1.5 2.82842712
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-ldexp ("x * 2exp"; exp's component type is float)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float half = position.x; // 0.5
    return float4(ldexp(half, 3.0), ldexp(1.0, half), ldexp(3.0, -half * 2.0),
                  ldexp(half, half * 4.0 + 0.5));
}
