// Windows: [instance(n)] takes 1 to 32 instances; 0 is refused.
// verdict: compile-error GSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader ([instance(n)]) and D3D12_GS_MAX_INSTANCE_COUNT, 32, in d3d12.h; fxc's words for it were not found
struct VSOut
{
    float4 pos : SV_Position;
};
[instance(0)]
[maxvertexcount(1)]
void GSMain(point VSOut input[1], inout PointStream<VSOut> stream)
{
    stream.Append(input[0]);
}
