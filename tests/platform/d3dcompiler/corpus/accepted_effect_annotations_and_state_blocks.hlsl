// Windows: effect annotations ("< ... >") and sampler state blocks, which the
// compiler reads only when it builds effects: for a shader they are ignored,
// and the sampler's state comes from the root signature.
// verdict: accepted
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (annotations after a variable) and dx-graphics-hlsl-sampler (sampler state blocks and sampler_state); DirectXShaderCompiler's tools/clang/test/HLSL/effects-syntax.hlsl records fxc passing these declarations ("fxc-pass")
Texture2D colorTexture : register(t0) < string ResourceName = "color.dds"; int Mips = 1 > 0; >;
SamplerState linearSampler : register(s0)
{
    Filter = MIN_MAG_MIP_LINEAR;
    AddressU = Wrap;
    AddressV = Wrap;
};
sampler pointSampler : register(s1) = sampler_state { Texture = <colorTexture>; Filter = MIN_MAG_MIP_POINT; };
static const float kStrength < string UIName = "Strength"; float UIMin = 0.0; > = 0.5;
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0)), StaticSampler(s0), StaticSampler(s1)"
#include "sampled_stages.hlsli"
float4 PSMain(PixelInput input) : SV_Target
{
    float4 texel = colorTexture.Sample(linearSampler, input.uv) + colorTexture.Sample(pointSampler, input.uv);
    return texel * input.color * (kStrength + kStrength * input.normal.y);
}
