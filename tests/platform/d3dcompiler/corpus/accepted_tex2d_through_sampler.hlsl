// Windows: sampling by the first shader models' intrinsics through a
// sampler2D: the sampler in s0 stands for the texture in t0 as well.
// verdict: accepted
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-tex2d and dx-graphics-hlsl-tex2dlod (tex2D(s, t) and tex2Dlod(s, t) on a sampler2D); issue 20 records Windows compiling tex2D-style sampling through a sampler
sampler2D colorMap : register(s0);
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0)), StaticSampler(s0)"
#include "sampled_stages.hlsli"
float4 PSMain(PixelInput input) : SV_Target
{
    float4 texel = tex2D(colorMap, input.uv) + tex2Dlod(colorMap, float4(input.uv, 0, 0));
    return texel * input.color;
}
