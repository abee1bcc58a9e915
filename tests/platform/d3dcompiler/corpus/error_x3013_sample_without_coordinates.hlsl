// Windows: a texture method called with too few arguments.
// verdict: compile-error PSMain X3013
// group: intrinsics
// error text: 'Sample': no matching 1 parameter intrinsic method
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample (a sampler and a location at least); fxc's "X3013: 'Load': no matching 1 parameter intrinsic method", quoted in DirectXShaderCompiler's tools/clang/test/HLSL/ (RWByteAddressBuffer.Load)
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0)), StaticSampler(s0)"
#include "sampled_stages.hlsli"
Texture2D colourMap : register(t0);
SamplerState linearSampler : register(s0);
float4 PSMain(PixelInput input) : SV_Target
{
    return input.color * colourMap.Sample(linearSampler);
}
