// Windows: step(y, x) is 1 when x >= y; smoothstep is the Hermite curve;
// lerp(x, y, s) is x + s * (y - x).
// verdict: accepted
// probe: 1 0 0.5 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-step ("1 if the x parameter is greater than or equal to the y parameter"), dx-graphics-hlsl-smoothstep and dx-graphics-hlsl-lerp ("x + s(y - x)")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float half = position.x; // 0.5
    return float4(step(half, 0.5), step(1.0, half), smoothstep(0.0, 1.0, half), lerp(2.0, 4.0, half));
}
