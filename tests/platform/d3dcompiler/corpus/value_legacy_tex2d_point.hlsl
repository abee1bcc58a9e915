// Windows: tex2D through a sampler2D reads the texture in the t register of
// the sampler's number with the sampler state of its s register.
// verdict: accepted
// probe: 2 3 0 0
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-tex2d ("tex2D(s, t)": s is the sampler state, t the texture coordinate)
#include "resource_stages.hlsli"
sampler2D grid : register(s0);
float4 PSMain() : SV_Target
{
    return float4(tex2D(grid, float2(0.75, 0.25)).x, tex2D(grid, float2(0.25, 0.75)).x, 0, 0);
}
