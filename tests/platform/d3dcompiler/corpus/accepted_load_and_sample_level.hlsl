// Windows: Texture2D.Load takes an int3 (x, y, mip level) and an optional
// offset; SampleLevel a location and a level; both work in any stage.
// verdict: accepted
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load and dx-graphics-hlsl-to-samplelevel
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0)), StaticSampler(s0)"
#include "sampled_stages.hlsli"
Texture2D colourMap : register(t0);
SamplerState linearSampler : register(s0);
float4 PSMain(PixelInput input) : SV_Target
{
    float4 loaded = colourMap.Load(int3(input.position.xy, 0), int2(1, 0));
    float4 sampled = colourMap.SampleLevel(linearSampler, input.uv, 0);
    return input.color * loaded * sampled;
}
