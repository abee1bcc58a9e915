// Windows: a pixel shader evaluates an input at the centroid or at a sample.
// verdict: accepted
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/evaluateattributeatcentroid and evaluateattributeatsample (pixel shaders, shader model 5)
#define STAGES_ROOT_SIGNATURE "RootFlags(ALLOW_INPUT_ASSEMBLER_INPUT_LAYOUT), DescriptorTable(CBV(b0))"
#include "sampled_stages.hlsli"
float4 PSMain(PixelInput input) : SV_Target
{
    return EvaluateAttributeAtCentroid(input.color) + EvaluateAttributeAtSample(input.color, 0);
}
