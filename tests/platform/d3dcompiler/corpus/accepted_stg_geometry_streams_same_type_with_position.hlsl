// Windows: two PointStreams of one structure, each with its SV_Position, compile for gs_5_0 (at most one of them is drawn, which the pipeline chooses).
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-gs-index (several streams "must contain points, and up to one output stream can be sent to the rasterizer"); dx-graphics-hlsl-so-type (DataType "can be any HLSL data type")
struct VSOut
{
    float4 pos : SV_Position;
    float2 uv : TEXCOORD0;
};
[maxvertexcount(2)]
void GSMain(point VSOut input[1], inout PointStream<VSOut> drawn, inout PointStream<VSOut> kept)
{
    drawn.Append(input[0]);
    VSOut moved = input[0];
    moved.pos.x += 1;
    moved.uv *= 2;
    kept.Append(moved);
}
