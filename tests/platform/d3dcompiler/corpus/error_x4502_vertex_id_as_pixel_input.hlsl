// Windows: SV_VertexID is a vertex shader's input; a pixel shader cannot take it.
// verdict: compile-error PSMain X4502
// group: semantics
// error text: invalid ps_5_0 input semantic 'SV_VertexID'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_VertexID: vertex shader input); fxc's form "error X4502: invalid ps_4_0 input semantic 'SV_PointCoord'", quoted in Unity project notes
float4 VSMain(float3 position : POSITION) : SV_Position
{
    return float4(position, 1.0);
}
float4 PSMain(float4 position : SV_Position, uint id : SV_VertexID) : SV_Target
{
    return id;
}
