// Windows: only an input can be evaluated at another place in the pixel; a
// value the shader computed is refused.
// verdict: compile-error PSMain -
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/evaluateattributeatcentroid ("attrib: The attribute to evaluate", a pixel shader input; the function interpolates it), and SPIR-V's InterpolateAtCentroid, which takes only an Input variable; fxc's words for it were not found
[RootSignature("DescriptorTable(CBV(b0))")]
float4 VSMain(uint id : SV_VertexID, out float2 clip : TEXCOORD0) : SV_Position
{
    float2 corner = float2((id << 1) & 2, id & 2);
    clip = corner * float2(4, -4) + float2(-1, 1);
    return float4(clip, 0, 1);
}
float4 PSMain(float4 position : SV_Position, float2 clip : TEXCOORD0) : SV_Target
{
    float2 doubled = clip * 2;
    return float4(EvaluateAttributeAtCentroid(doubled), 0, 1);
}
