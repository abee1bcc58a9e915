// Windows: a swizzle that repeats components reads them; a write mask in
// another order writes each named component once.
// verdict: accepted
// probe: 0.5 0.5 3 2
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (swizzles read components in any order and repeat them; a write mask names each once)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float4 v = float4(position.x, 1.0, 2.0, 3.0);
    float2 twice = v.xx;
    v.wz = v.yw * float2(2.0, 1.0);
    return float4(twice, v.z, v.w);
}
