// Windows: an if whose condition is a float scalar takes it as true where it
// is nonzero, and -0.0 as false.
// verdict: accepted
// probe: 1 0 1 0
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-if (the conditional expression) and dx-graphics-hlsl-conversions (a nonzero value converts to true)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float4 r = 0;
    if (0.5 * one)
        r.x = 1;
    if (one - 1.0)
        r.y = 1;
    if (-2.0 * one)
        r.z = 1;
    if (-0.0 * one)
        r.w = 1;
    return r;
}
