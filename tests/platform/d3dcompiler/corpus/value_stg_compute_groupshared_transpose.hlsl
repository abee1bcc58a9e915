// Windows: a two-dimensional groupshared array written by a 4x4 group and read transposed after the group's sync.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 16
// expect u0: 0 1 2 3 10 11 12 13 20 21 22 23 30 31 32 33
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (groupshared) and groupmemorybarrierwithgroupsync
RWStructuredBuffer<uint> written : register(u0);
groupshared uint cells[4][4];
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(4, 4, 1)]
void CSMain(uint3 thread : SV_GroupThreadID, uint index : SV_GroupIndex)
{
    cells[thread.y][thread.x] = thread.x * 10 + thread.y;
    GroupMemoryBarrierWithGroupSync();
    written[index] = cells[thread.x][thread.y];
}
