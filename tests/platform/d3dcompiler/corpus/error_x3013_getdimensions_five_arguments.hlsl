// Windows: a method's overloads are matched by count: Texture2D.GetDimensions
// takes two outputs, or a mip level and three outputs, never five arguments.
// verdict: compile-error PSMain X3013
// group: intrinsics
// error text: 'GetDimensions': no matching 5 parameter intrinsic method
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-getdimensions; fxc's "X3013: 'GetDimensions': no matching 1 parameter intrinsic method", quoted in DirectXShaderCompiler's tools/clang/test/HLSL/ tests
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0))"
#include "sampled_stages.hlsli"
Texture2D colourMap : register(t0);
float4 PSMain(PixelInput input) : SV_Target
{
    uint width, height, levels, extra;
    colourMap.GetDimensions(0, width, height, levels, extra);
    return input.color * (float)width;
}
