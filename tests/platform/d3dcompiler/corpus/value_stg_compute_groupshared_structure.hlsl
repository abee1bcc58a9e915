// Windows: groupshared memory holds an array of structures; each thread fills its element and reads its neighbour's after the sync.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 8
// expect u0: 1.5 3.0 4.5 6.0 7.5 9.0 10.5 0.0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (groupshared: any variable type) and groupmemorybarrierwithgroupsync
struct Cell
{
    uint id;
    float half_id;
};
RWStructuredBuffer<float> written : register(u0);
groupshared Cell cells[8];
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(8, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    cells[index].id = index;
    cells[index].half_id = index * 0.5;
    GroupMemoryBarrierWithGroupSync();
    Cell next = cells[(index + 1) % 8];
    written[index] = next.id + next.half_id;
}
