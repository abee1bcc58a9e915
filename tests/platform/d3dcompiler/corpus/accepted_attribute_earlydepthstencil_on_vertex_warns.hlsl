// Windows: [earlydepthstencil] is a pixel shader's; on a vertex shader's entry point it is only a warning.
// verdict: accepted
// warning: X3554 unknown attribute earlydepthstencil, or attribute invalid for this statement
// group: attributes
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-attributes-earlydepthstencil (a pixel shader attribute) and fxc's "warning X3554: unknown attribute domain, or attribute invalid for this statement" for another stage's attribute, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl
[earlydepthstencil]
[RootSignature("DescriptorTable(CBV(b0))")]
float4 VSMain(uint id : SV_VertexID) : SV_Position
{
    float2 corner = float2((id << 1) & 2, id & 2);
    return float4(corner * float2(2, -2) + float2(-1, 1), 0, 1);
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return position;
}
