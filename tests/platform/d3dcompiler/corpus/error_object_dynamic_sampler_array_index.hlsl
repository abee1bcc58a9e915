// Windows: at shader model 5.0 an array of samplers is indexed by literals only; an index the pixel shader computes is X3512.
// verdict: compile-error PSMain X3512
// group: resources
// error text: sampler array index must be a literal expression
// texture t0: 2d r32_float 1x1
// sampler s0: point clamp
// sampler s1: linear clamp
// source: fxc's "error X3512: sampler array index must be a literal expression", quoted in DirectXShaderCompiler issue 592; learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (dynamic indexing of resource arrays comes with shader model 5.1)
#include "resource_stages.hlsli"
Texture2D<float> image : register(t0);
SamplerState samplers[2] : register(s0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint which = (uint)position.x % 2;
    return image.Sample(samplers[which], float2(0.5, 0.5));
}
