// Windows: a pixel shader has eight targets, SV_Target0 to SV_Target7.
// verdict: compile-error PSMain X4502
// group: semantics
// error text: SV_Target8
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_Target[n], 0 <= n <= 7); fxc's X4502 for semantics it does not allow (see error_x4502_sv_taget.hlsl)
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))"
#include "sampled_stages.hlsli"
float4 PSMain(PixelInput input) : SV_Target8
{
    return input.color;
}
