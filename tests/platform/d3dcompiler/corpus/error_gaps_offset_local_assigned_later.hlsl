// Windows: an offset held by a local given a constant buffer's value after its declaration is no
// literal, so a Sample with it is X4566.
// verdict: compile-error PSMain X4566
// group: resources
// error text: offset texture instructions must take offset which can resolve to integer literal in the range -8 to 7
// texture t0: 2d r32_float 4x4
// sampler s0: point clamp
// source: fxc's X4566 as DirectXShaderCompiler issue 2713 quotes it (offsets that are not compile-time literals); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample ("The texture offsets need to be static")
#include "resource_stages.hlsli"
cbuffer Steps : register(b0)
{
    int step;
};
Texture2D<float> image : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    int2 offset;
    offset = int2(step, 0);
    return image.Sample(nearest, float2(0.5, 0.5), offset);
}
