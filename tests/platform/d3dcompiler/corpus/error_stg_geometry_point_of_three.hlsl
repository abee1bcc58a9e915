// Windows: a point input array holds one vertex; point VSOut input[3] is refused.
// verdict: compile-error GSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader (point: "a list of points", NumElements 1); fxc's words for it were not found
struct VSOut
{
    float4 pos : SV_Position;
};
[maxvertexcount(3)]
void GSMain(point VSOut input[3], inout PointStream<VSOut> stream)
{
    stream.Append(input[0]);
}
