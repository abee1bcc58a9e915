// Windows: threads write groupshared memory, sync the group, and thread 0 reads every thread's value.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 2
// expect u0: 120 15
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (groupshared: shared by the threads of a group) and groupmemorybarrierwithgroupsync (all group shared accesses complete and all threads reach the call)
RWStructuredBuffer<uint> written : register(u0);
groupshared uint cells[16];
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(16, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    cells[index] = index;
    GroupMemoryBarrierWithGroupSync();
    if (index == 0)
    {
        uint sum = 0;
        for (uint i = 0; i < 16; ++i)
        {
            sum += cells[i];
        }
        written[0] = sum;
        written[1] = cells[15];
    }
}
