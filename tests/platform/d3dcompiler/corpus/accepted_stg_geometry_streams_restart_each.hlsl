// Windows: three PointStreams, each appended in a loop and restarted, compile for gs_5_0.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-gs-index ("a geometry shader can support up to 4 separate streams"; "Output data to either (or both) streams using the stream output object intrinsic functions (such as Append or RestartStrip)")
struct VSOut
{
    float4 pos : SV_Position;
};
struct Colour
{
    float3 rgb : COLOR0;
};
struct Count
{
    uint n : BLENDINDICES0;
};
[maxvertexcount(6)]
void GSMain(triangle VSOut input[3], inout PointStream<VSOut> points, inout PointStream<Colour> colours,
            inout PointStream<Count> counts)
{
    for (uint i = 0; i < 3; ++i)
    {
        points.Append(input[i]);
        points.RestartStrip();
        Colour c;
        c.rgb = input[i].pos.xyz;
        colours.Append(c);
        colours.RestartStrip();
    }
    Count n;
    n.n = 3;
    counts.Append(n);
    counts.RestartStrip();
}
