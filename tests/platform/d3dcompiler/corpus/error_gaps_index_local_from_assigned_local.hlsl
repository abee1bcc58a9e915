// Windows: a value the draw gives passes through one local assigned after its declaration into
// another; an array of samplers indexed by the second is X3512 at shader model 5.0.
// verdict: compile-error PSMain X3512
// group: resources
// error text: sampler array index must be a literal expression
// texture t0: 2d r32_float 1x1 : 1
// sampler s0: point clamp
// sampler s1: linear clamp
// source: fxc's "error X3512: sampler array index must be a literal expression", quoted in DirectXShaderCompiler issue 592; learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (dynamic indexing of resource arrays comes with shader model 5.1)
#include "resource_stages.hlsli"
Texture2D<float> image : register(t0);
SamplerState samplers[2] : register(s0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint column;
    column = (uint)position.x;
    uint which = column & 1;
    return image.Sample(samplers[which], float2(0.5, 0.5));
}
