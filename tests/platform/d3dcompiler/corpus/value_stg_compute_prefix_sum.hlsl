// Windows: an inclusive prefix sum over 8 threads in groupshared memory, a group sync between each step's reads and writes.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 8
// expect u0: 1 3 6 10 15 21 28 36
// source: learn.microsoft.com/windows/win32/direct3dhlsl/groupmemorybarrierwithgroupsync ("blocks execution of all threads in a group until all group shared accesses have been completed and all threads in the group have reached this call") and dx-graphics-hlsl-variable-syntax (groupshared)
RWStructuredBuffer<uint> written : register(u0);
groupshared uint sums[8];
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(8, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    sums[index] = index + 1;
    GroupMemoryBarrierWithGroupSync();
    for (uint step = 1; step < 8; step *= 2)
    {
        uint add = index >= step ? sums[index - step] : 0;
        GroupMemoryBarrierWithGroupSync();
        sums[index] += add;
        GroupMemoryBarrierWithGroupSync();
    }
    written[index] = sums[index];
}
