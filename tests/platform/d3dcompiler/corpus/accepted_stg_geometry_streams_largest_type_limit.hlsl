// Windows: with several streams the 1024-scalar limit is the largest stream's vertex times maxvertexcount: 8 scalars x 128 = 1024 is accepted, though the two streams' vertices together hold 12.
// verdict: accepted GSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/overviews-direct3d-11-hlsl-gs-index ("If there are multiple streams, the number of scalars is computed from the largest stream type multiplied by the maximum vertex count")
struct Small
{
    float4 pos : SV_Position;
};
struct Wide
{
    float4 first : TEXCOORD0;
    float4 second : TEXCOORD1;
};
[maxvertexcount(128)]
void GSMain(point Small input[1], inout PointStream<Small> narrow, inout PointStream<Wide> wide)
{
    narrow.Append(input[0]);
    Wide w;
    w.first = input[0].pos;
    w.second = input[0].pos * 2;
    wide.Append(w);
}
