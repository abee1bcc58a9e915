// Windows: EvaluateAttributeAtCentroid reads a pixel shader input, so a
// vertex shader cannot call it (fxc's words for it were not found).
// verdict: compile-error VSMain -
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/evaluateattributeatcentroid ("This function is supported in the following types of shaders: Pixel")
float4 VSMain(float4 position : POSITION) : SV_Position
{
    return position + EvaluateAttributeAtCentroid(position);
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return position;
}
