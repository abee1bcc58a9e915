// Windows: the EvaluateAttribute* functions read an input given as a parameter
// of its own as they read a structure's member: an offset of -8/16 pixel is
// half a pixel to the left (one pixel is 2 units of clip space here).
// verdict: accepted
// probe: -1 0 0 0
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/evaluateattributesnapped ("offset: A 2D offset from the pixel center using a 16x16 grid", components from -8 to 7), evaluateattributeatsample and evaluateattributecentroid
[RootSignature("DescriptorTable(CBV(b0))")]
void VSMain(uint id : SV_VertexID, out float4 position : SV_Position, out float2 clip : TEXCOORD0)
{
    float2 corner = float2((id << 1) & 2, id & 2);
    clip = corner * float2(4, -4) + float2(-1, 1);
    position = float4(clip, 0, 1);
}
float4 PSMain(float4 position : SV_Position, float2 clip : TEXCOORD0) : SV_Target
{
    float2 left = EvaluateAttributeSnapped(clip, int2(-8, 0));
    return float4(left, EvaluateAttributeAtSample(clip, 0).x, EvaluateAttributeAtCentroid(clip).y);
}
