// Windows: a pixel shader's integer input can only be constant across the
// triangle; "linear" on a uint input is refused.
// verdict: compile-error PSMain -
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct (linear: interpolate between shader inputs; integers are not interpolated); Direct3D's bytecode declares integer pixel inputs with constant interpolation only (D3D10_SB_INTERPOLATION_CONSTANT, d3d12TokenizedProgramFormat.hpp), and DirectXShaderCompiler keeps the rule ("only nointerpolation mode allowed for integer input parameters in pixel shader"); fxc's words were not found
struct Varyings
{
    float4 position : SV_Position;
    linear uint index : INDEX;
};
[RootSignature("DescriptorTable(CBV(b0))")]
Varyings VSMain(uint id : SV_VertexID)
{
    Varyings o;
    float2 corner = float2((id << 1) & 2, id & 2);
    o.position = float4(corner * float2(2, -2) + float2(-1, 1), 0, 1);
    o.index = id;
    return o;
}
float4 PSMain(Varyings v) : SV_Target
{
    return v.index;
}
