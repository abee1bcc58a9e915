// Windows: a pixel shader may return void and write its targets through out
// parameters, and read system values such as SV_IsFrontFace as parameters.
// verdict: accepted
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (out parameters with semantics) and dx-graphics-hlsl-semantics (SV_IsFrontFace)
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))"
#include "sampled_stages.hlsli"
void PSMain(PixelInput input, bool front : SV_IsFrontFace, out float4 colour : SV_Target0)
{
    colour = front ? input.color : input.color * 0.5;
}
