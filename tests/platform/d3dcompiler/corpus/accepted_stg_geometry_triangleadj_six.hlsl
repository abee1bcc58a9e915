// Windows: a triangleadj input holds six vertices, the triangle's corners at the even places.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader (triangleadj: "a list of triangles with adjacency", 6 vertices)
struct VSOut
{
    float4 pos : SV_Position;
};
[maxvertexcount(3)]
void GSMain(triangleadj VSOut input[6], inout TriangleStream<VSOut> stream)
{
    stream.Append(input[0]);
    stream.Append(input[2]);
    stream.Append(input[4]);
}
