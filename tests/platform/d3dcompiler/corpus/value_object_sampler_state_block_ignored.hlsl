// Windows: a SamplerState's effect-style state block is ignored outside effects; the root signature's sampler applies.
// verdict: accepted
// probe: 2 0 0 0
// group: resources
// texture t0: 2d r32_float 2x1 : 1 2
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-sampler ("SamplerState Name[Index] { [state_name = state_value;] ... }"; the state is set by the effect framework, which shader model 5 shaders without effects do not use)
#include "resource_stages.hlsli"
Texture2D<float> row : register(t0);
SamplerState wrapped : register(s0)
{
    Filter = MIN_MAG_MIP_LINEAR;
    AddressU = Wrap;
};
float4 PSMain() : SV_Target
{
    return float4(row.Sample(wrapped, float2(1.25, 0.5)), 0, 0, 0);
}
