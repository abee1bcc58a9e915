// Windows: gs_5_0 writes up to four PointStreams.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-gs-index ("In shader model 5, a geometry shader can support up to 4 separate streams"; "all streams must contain points")
struct VSOut
{
    float4 pos : SV_Position;
};
[maxvertexcount(1)]
void GSMain(point VSOut input[1], inout PointStream<VSOut> s0, inout PointStream<VSOut> s1,
            inout PointStream<VSOut> s2, inout PointStream<VSOut> s3)
{
    s0.Append(input[0]);
    s1.Append(input[0]);
    s2.Append(input[0]);
    s3.Append(input[0]);
}
