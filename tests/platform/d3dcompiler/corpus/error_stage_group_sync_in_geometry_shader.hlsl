// Windows: GroupMemoryBarrierWithGroupSync is for compute shaders only, not a geometry shader.
// verdict: compile-error GSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/groupmemorybarrierwithgroupsync ("supported in the following types of shaders": compute only); fxc's words for it were not found quoted
struct VSOut
{
    float4 pos : SV_Position;
};
[maxvertexcount(1)]
void GSMain(point VSOut input[1], inout PointStream<VSOut> stream)
{
    GroupMemoryBarrierWithGroupSync();
    stream.Append(input[0]);
}
