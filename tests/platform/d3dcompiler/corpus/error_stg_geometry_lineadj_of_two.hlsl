// Windows: a lineadj input holds four vertices; lineadj VSOut input[2] is refused.
// verdict: compile-error GSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader (lineadj: "a list of lines with adjacency", 4 vertices); fxc's words for it were not found
struct VSOut
{
    float4 pos : SV_Position;
};
[maxvertexcount(2)]
void GSMain(lineadj VSOut input[2], inout LineStream<VSOut> stream)
{
    stream.Append(input[0]);
    stream.Append(input[1]);
}
