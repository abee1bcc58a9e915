// Windows: a geometry shader's output streams are inout parameters like any other, so the entry may
// pass each of its PointStreams to a function that appends to it.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-so-type (a stream-output object is declared as an inout parameter; Append and RestartStrip) and windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-gs-index (up to 4 streams, all of them points)
struct VSOut
{
    float4 pos : SV_Position;
};
struct Other
{
    float4 value : TEXCOORD0;
};
void AppendTwice(VSOut v, inout PointStream<VSOut> stream)
{
    stream.Append(v);
    v.pos.x += 0.5;
    stream.Append(v);
}
void AppendOther(inout PointStream<Other> stream, float4 value)
{
    Other o;
    o.value = value;
    stream.Append(o);
}
[maxvertexcount(3)]
void GSMain(point VSOut input[1], inout PointStream<VSOut> first, inout PointStream<Other> second)
{
    AppendTwice(input[0], first);
    AppendOther(second, input[0].pos * 2);
}
