// Windows: a pixel shader's SV_Position.z is the depth interpolated
// screen-linearly from z/w of the vertices (0, 0.25, 0.5 at weights 1/2, 1/4,
// 1/4: 0.1875), x and y the pixel centre, w the vertices' w (2).
// verdict: accepted
// probe: 0.5 0.5 0.1875 2
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_Position in a pixel shader: pixel centre, interpolated depth); learn.microsoft.com/windows/win32/direct3d11/d3d10-graphics-programming-guide-rasterizer-stage-rules (pixel centres at .5; depth interpolated linearly in screen space)
[RootSignature("DescriptorTable(CBV(b0))")]
float4 VSMain(uint id : SV_VertexID) : SV_Position
{
    float2 corner = float2((id << 1) & 2, id & 2);
    return float4(corner * float2(2, -2) + float2(-1, 1), 0.25 * id, 1) * 2.0;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return position;
}
