// Windows: a sampler2D passed down through two functions still reads its texture with tex2D.
// verdict: accepted
// probe: 2 3 0 0
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (parameters of any type, samplers included) and dx-graphics-hlsl-tex2d
#include "resource_stages.hlsli"
sampler2D grid : register(s0);
float Inner(sampler2D inner, float2 uv)
{
    return tex2D(inner, uv).x;
}
float Outer(sampler2D outer, float2 uv)
{
    return Inner(outer, uv);
}
float4 PSMain() : SV_Target
{
    return float4(Outer(grid, float2(0.75, 0.25)), Outer(grid, float2(0.25, 0.75)), 0, 0);
}
