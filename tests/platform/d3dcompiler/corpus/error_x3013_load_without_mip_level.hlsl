// Windows: Texture2D.Load takes an int3 (x, y and the mip level); an int2 matches no overload.
// verdict: compile-error PSMain X3013
// group: intrinsics
// error text: 'Load': no matching 1 parameter intrinsic method
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("Location: ... Texture2D: int3"); fxc's X3013 "no matching 1 parameter intrinsic method" words, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/ tests
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0)), DescriptorTable(SRV(t0))"
#include "sampled_stages.hlsli"
Texture2D colourMap : register(t0);
float4 PSMain(PixelInput input) : SV_Target
{
    return input.color * colourMap.Load(int2(input.position.xy));
}
