// Windows: a pixel shader cannot take a patch of control points.
// verdict: compile-error PSMain -
// group: refuse
// error text: InputPatch parameters are only valid in hull and domain shaders
// source: learn.microsoft.com/windows/win32/direct3dhlsl/inputpatch (InputPatch is the input of a hull or domain shader); issue 20 records Windows refusing patch types in a pixel shader; Windows' number and words were not found, so the words are our own
struct ControlPoint
{
    float4 position : POSITION;
};
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))"
#include "sampled_stages.hlsli"
float4 PSMain(InputPatch<ControlPoint, 3> patch, PixelInput input) : SV_Target
{
    return patch[0].position * input.color;
}
