// Windows: a geometry shader writes clip distances with its vertices, and may end strips of a PointStream.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_ClipDistance: output of the vertex, geometry and domain stages) and dx-graphics-hlsl-so-type (RestartStrip on any stream type)
struct GSOut
{
    float4 pos : SV_Position;
    float2 clip : SV_ClipDistance0;
};
[maxvertexcount(2)]
void GSMain(point float4 input[1] : SV_Position, inout PointStream<GSOut> stream)
{
    GSOut o;
    o.pos = input[0];
    o.clip = float2(input[0].x, -input[0].y);
    stream.Append(o);
    stream.RestartStrip();
    o.pos.x += 1;
    stream.Append(o);
}
