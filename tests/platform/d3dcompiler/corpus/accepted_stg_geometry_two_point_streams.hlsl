// Windows: gs_5_0 may write several streams when they are PointStreams, each an inout parameter of its own.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-gs-index ("In shader model 5, a geometry shader can support up to 4 separate streams"; "When using multiple output streams, all streams must contain points")
struct VSOut
{
    float4 pos : SV_Position;
};
struct Other
{
    float4 value : TEXCOORD0;
};
[maxvertexcount(2)]
void GSMain(point VSOut input[1], inout PointStream<VSOut> first, inout PointStream<Other> second)
{
    first.Append(input[0]);
    Other o;
    o.value = input[0].pos * 2;
    second.Append(o);
}
