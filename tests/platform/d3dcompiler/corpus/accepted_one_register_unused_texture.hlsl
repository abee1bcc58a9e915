// Windows: two textures share a register, but the pixel shader reads only one
// of them: the compiler binds only what the shader uses.
// verdict: accepted
// group: refuse
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-register (register binds a variable the shader uses); fxc's X4500 ("overlapping register semantics") is reported for resources the compiled shader reads
Texture2D colorTexture : register(t0);
Texture2D otherPassTexture : register(t0);
SamplerState linearSampler : register(s0);
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0)), StaticSampler(s0)"
#include "sampled_stages.hlsli"
float4 OtherPass(float2 uv)
{
    return otherPassTexture.Sample(linearSampler, uv);
}
float4 PSMain(PixelInput input) : SV_Target
{
    return colorTexture.Sample(linearSampler, input.uv) * input.color;
}
