// Windows: tex2Dgrad, and tex2D with two gradients, pick the level the
// gradients give: one texel of the 2x2 level per unit is level 1.
// verdict: accepted
// probe: 9 9 1 0
// group: resources
// texture t0: 2d r32_float 2x2 mips 2 : 1 2 3 4  9
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-tex2dgrad ("tex2Dgrad(s, t, ddx, ddy)") and dx-graphics-hlsl-tex2d-s-t-ddx-ddy ("tex2D(s, t, ddx, ddy)")
#include "resource_stages.hlsli"
sampler2D grid : register(s0);
float4 PSMain() : SV_Target
{
    float2 uv = float2(0.25, 0.25);
    return float4(tex2Dgrad(grid, uv, float2(1, 0), float2(0, 1)).x,
                  tex2D(grid, uv, float2(1, 0), float2(0, 1)).x,
                  tex2Dgrad(grid, uv, float2(0, 0), float2(0, 0)).x, 0);
}
