// Windows: a geometry shader runs at most 32 instances per primitive; [instance(33)] is refused.
// verdict: compile-error GSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-geometry-shader ([instance(n)]) and D3D12_GS_MAX_INSTANCE_COUNT, 32, in the DirectX headers' d3d12.h; fxc's number and words for it were not found
struct VSOut
{
    float4 pos : SV_Position;
};
[instance(33)]
[maxvertexcount(1)]
void GSMain(point VSOut input[1], inout PointStream<VSOut> stream)
{
    stream.Append(input[0]);
}
