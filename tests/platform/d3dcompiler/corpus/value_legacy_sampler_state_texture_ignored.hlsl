// Windows: for a shader (not an effect) a sampler_state block is ignored,
// and so is the legacy texture variable it names; tex2D reads the texture in
// the sampler's t register.
// verdict: accepted
// probe: 4 0 0 0
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-sampler ("sampler Name = SamplerType{ Texture = <texture_variable>; ... }", the Direct3D 9 and effect syntax) and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-tex2d
#include "resource_stages.hlsli"
texture diffuse;
sampler2D grid : register(s0) = sampler_state
{
    Texture = <diffuse>;
    MinFilter = Linear;
    MagFilter = Linear;
};
float4 PSMain() : SV_Target
{
    return float4(tex2D(grid, float2(0.75, 0.75)).x, 0, 0, 0);
}
