// Windows: SV_Target is a pixel shader's output; a vertex shader cannot give it.
// verdict: compile-error VSMain X4502
// group: semantics
// error text: invalid vs_5_0 output semantic 'SV_Target'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_Target: pixel shader output only); fxc's form "error X4502: invalid vs_3_0 input semantic 'SV_VERTEXID'" and "invalid ps_4_0 input semantic 'SV_PointCoord'", quoted in MonoGame-related shader tool notes and Unity project notes
struct Output
{
    float4 position : SV_Position;
    float4 color : SV_Target;
};
Output VSMain(float3 position : POSITION)
{
    Output output;
    output.position = float4(position, 1.0);
    output.color = 1.0;
    return output;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return 1.0;
}
