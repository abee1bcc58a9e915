// Windows: a geometry shader writing two streams must make every one a PointStream; a PointStream beside a LineStream is refused.
// verdict: compile-error GSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-gs-index ("When using multiple output streams, all streams must contain points"); fxc's words for it were not found
struct VSOut
{
    float4 pos : SV_Position;
};
[maxvertexcount(2)]
void GSMain(line VSOut input[2], inout PointStream<VSOut> points, inout LineStream<VSOut> lines)
{
    points.Append(input[0]);
    lines.Append(input[0]);
    lines.Append(input[1]);
}
