// Windows: Interlocked operations on elements of a groupshared array, read back after the group's barrier.
// verdict: accepted CSMain
// group: resources
// uav u0: structured 4 2
// expect u0: 6 15
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedadd, interlockedor ("dest: ... a resource variable or shared memory variable"); groupsharedmemorybarrierwithgroupsync
groupshared uint sums[2];
RWStructuredBuffer<uint> results : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(4, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    if (index == 0)
    {
        sums[0] = 0;
        sums[1] = 0;
    }
    GroupMemoryBarrierWithGroupSync();
    InterlockedAdd(sums[0], index);
    InterlockedOr(sums[1], 1u << index);
    GroupMemoryBarrierWithGroupSync();
    if (index == 0)
    {
        results[0] = sums[0];
        results[1] = sums[1];
    }
}
