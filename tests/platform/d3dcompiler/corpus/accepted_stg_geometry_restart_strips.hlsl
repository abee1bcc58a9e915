// Windows: a geometry shader may emit several strips, ending each with RestartStrip, within its max vertex count.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-so-restartstrip ("Ends the current primitive strip and starts a new strip") and dx-graphics-hlsl-so-append
struct VSOut
{
    float4 pos : SV_Position;
};
[maxvertexcount(6)]
void GSMain(triangle VSOut input[3], inout TriangleStream<VSOut> stream)
{
    for (uint strip = 0; strip < 2; ++strip)
    {
        for (uint i = 0; i < 3; ++i)
        {
            VSOut o;
            o.pos = input[i].pos + float4(strip, 0, 0, 0);
            stream.Append(o);
        }
        stream.RestartStrip();
    }
}
