// Windows: a geometry shader writing two streams must make both PointStreams; two TriangleStreams are refused.
// verdict: compile-error GSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-gs-index ("When using multiple output streams, all streams must contain points"); fxc's words for it were not found
struct VSOut
{
    float4 pos : SV_Position;
};
[maxvertexcount(3)]
void GSMain(triangle VSOut input[3], inout TriangleStream<VSOut> first, inout TriangleStream<VSOut> second)
{
    for (uint i = 0; i < 3; ++i)
    {
        first.Append(input[i]);
        second.Append(input[i]);
    }
}
