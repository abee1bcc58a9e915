// Windows: a name that is a texture parameter in one function may be a float4 local in another: each use means its own declaration.
// verdict: accepted
// probe: 1 4 4 2
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax and dx-graphics-hlsl-function-parameters (a parameter's scope is its function)
#include "resource_stages.hlsli"
Texture2D<float> heights : register(t0);
SamplerState nearest : register(s0);
float Height(Texture2D<float> colours, float2 uv)
{
    return colours.Sample(nearest, uv);
}
float4 PSMain() : SV_Target
{
    float4 colours = float4(1, 2, 3, 4);
    return float4(colours.x, colours.w, Height(heights, float2(0.75, 0.75)), colours[1]);
}
