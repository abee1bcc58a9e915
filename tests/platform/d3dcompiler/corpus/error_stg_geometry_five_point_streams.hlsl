// Windows: gs_5_0 writes at most four streams; a fifth PointStream is refused.
// verdict: compile-error GSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-gs-index ("a geometry shader can support up to 4 separate streams") and dcl-stream--sm5---asm- (streams m0..m3); fxc's words for it were not found
struct VSOut
{
    float4 pos : SV_Position;
};
[maxvertexcount(1)]
void GSMain(point VSOut input[1], inout PointStream<VSOut> s0, inout PointStream<VSOut> s1,
            inout PointStream<VSOut> s2, inout PointStream<VSOut> s3, inout PointStream<VSOut> s4)
{
    s0.Append(input[0]);
    s1.Append(input[0]);
    s2.Append(input[0]);
    s3.Append(input[0]);
    s4.Append(input[0]);
}
