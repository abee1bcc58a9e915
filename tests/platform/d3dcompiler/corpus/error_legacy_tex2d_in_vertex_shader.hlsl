// Windows: tex2D samples with the derivatives of its coordinate, which only a
// pixel shader has; a vertex shader must name the level (tex2Dlod).
// verdict: compile-error VSMain -
// group: refuse
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-tex2d (tex2D computes the level from derivatives; its minimum shader model table lists pixel shaders for the implicit-level form) and dx-graphics-hlsl-tex2dlod (the form vertex shaders use)
sampler2D heights : register(s0);
[RootSignature("DescriptorTable(SRV(t0)), StaticSampler(s0)")]
float4 VSMain(uint id : SV_VertexID) : SV_Position
{
    float2 corner = float2((id << 1) & 2, id & 2);
    return float4(corner, tex2D(heights, corner).x, 1);
}
float4 PSMain() : SV_Target
{
    return 1;
}
