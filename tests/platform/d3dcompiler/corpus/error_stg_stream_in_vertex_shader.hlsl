// Windows: the stream-output objects are a geometry shader's; a vertex shader taking a TriangleStream is refused.
// verdict: compile-error VSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-so-type ("Stream-output objects ... stream data out of the geometry-shader stage"; declared as an inout parameter of a geometry shader); fxc's words for it were not found
struct VSOut
{
    float4 pos : SV_Position;
};
VSOut VSMain(float4 pos : POSITION, inout TriangleStream<VSOut> stream)
{
    VSOut o;
    o.pos = pos;
    stream.Append(o);
    return o;
}
