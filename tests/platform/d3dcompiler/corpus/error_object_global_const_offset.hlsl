// Windows: a global const without static is a constant the program sets, no literal, so it cannot be a Sample offset: X4566.
// verdict: compile-error PSMain X4566
// group: resources
// error text: offset texture instructions must take offset which can resolve to integer literal in the range -8 to 7
// texture t0: 2d r32_float 4x4
// sampler s0: point clamp
// source: fxc's warning X3207 on such a global ("This requires setting an external constant. If a literal is desired, use 'static const' instead."), quoted in value_global_const_initialised.hlsl's source; fxc's X4566 as DirectXShaderCompiler issue 2713 quotes it (offsets that are not compile-time literals)
#include "resource_stages.hlsli"
const int2 kStep = int2(1, 0);
Texture2D<float> image : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return image.Sample(nearest, float2(0.5, 0.5), kStep);
}
