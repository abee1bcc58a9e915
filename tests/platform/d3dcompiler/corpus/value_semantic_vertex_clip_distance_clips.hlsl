// Windows: a vertex shader's SV_ClipDistance clips the pixels where its interpolated value is below
// 0: the first component is 1 everywhere and the second -1, so the pixel is clipped and keeps the
// clear colour.
// verdict: accepted
// clear: 0 0 1 1
// probe: 0 0 1 1
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_ClipDistance[n]: written by a vertex shader; the rasteriser draws only pixels whose interpolated distances are >= 0)
struct ClippedVertex
{
    float4 position : SV_Position;
    float2 clip : SV_ClipDistance;
};
[RootSignature("DescriptorTable(CBV(b0))")]
ClippedVertex VSMain(uint id : SV_VertexID)
{
    float2 corner = float2((id << 1) & 2, id & 2);
    ClippedVertex v;
    v.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1);
    v.clip = float2(1, -1);
    return v;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(1, 0, 0, 1);
}
