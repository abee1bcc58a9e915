// Windows: SV_GSInstanceID is a parameter of its own, not a member of the input primitive's vertices.
// verdict: compile-error GSMain X3514
// error text: SV_GSInstanceID is an invalid input semantic for geometry shader primitives, it must be its own parameter.
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_GSInstanceID: an input of the geometry shader); fxc's number and words as a public fxc-output parser in DirectXShaderCompiler's utilities quotes them
struct VSOut
{
    float4 pos : SV_Position;
    uint instance : SV_GSInstanceID;
};
struct GSOut
{
    float4 pos : SV_Position;
};
[instance(2)]
[maxvertexcount(1)]
void GSMain(point VSOut input[1], inout PointStream<GSOut> stream)
{
    GSOut o;
    o.pos = input[0].pos + input[0].instance;
    stream.Append(o);
}
