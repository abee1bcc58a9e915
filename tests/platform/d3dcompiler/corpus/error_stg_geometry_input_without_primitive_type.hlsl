// Windows: a geometry shader's input array must carry its primitive type (point, line, triangle, lineadj, triangleadj).
// verdict: compile-error GSMain X3514
// error text: 'GSMain': input parameter 'input' must have a geometry specifier
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader (PrimitiveType DataType Name [ NumElements ]); fxc's number and words as a public fxc-output parser in DirectXShaderCompiler's utilities quotes them ("error X3514: 'GSMain': input parameter 'tfactor' must have a geometry specifier")
struct VSOut
{
    float4 pos : SV_Position;
};
[maxvertexcount(3)]
void GSMain(VSOut input[3], inout TriangleStream<VSOut> stream)
{
    stream.Append(input[0]);
    stream.Append(input[1]);
    stream.Append(input[2]);
}
