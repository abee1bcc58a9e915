// Windows: a plain "sampler" read by tex2D is a two-dimensional sampler.
// verdict: accepted
// probe: 3 0 0 0
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-sampler ("sampler" among the sampler types) and dx-graphics-hlsl-tex2d
#include "resource_stages.hlsli"
sampler grid : register(s0);
float4 PSMain() : SV_Target
{
    return float4(tex2D(grid, float2(0.25, 0.75)).x, 0, 0, 0);
}
