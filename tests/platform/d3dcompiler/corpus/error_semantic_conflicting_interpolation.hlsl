// Windows: "linear" and "nointerpolation" on one input ask for two
// interpolation modes at once and are refused.
// verdict: compile-error PSMain -
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct (the interpolation modifiers; linear "can be combined with centroid" and noperspective with centroid and sample, nointerpolation with none); fxc's words were not found
struct Varyings
{
    float4 position : SV_Position;
    linear nointerpolation float value : VALUE;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Varyings VSMain(uint id : SV_VertexID)
{
    Varyings o;
    float2 corner = float2((id << 1) & 2, id & 2);
    o.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1);
    o.value = id;
    return o;
}
float4 PSMain(Varyings v) : SV_Target
{
    return v.value;
}
