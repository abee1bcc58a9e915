// Windows: every thread of a group takes InterlockedMin and InterlockedAdd on groupshared values; after the group sync they hold the minimum and the count.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 2
// expect u0: 3 32
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedmin and interlockedadd (dest: a groupshared variable) and groupmemorybarrierwithgroupsync
RWStructuredBuffer<int> written : register(u0);
groupshared int smallest;
groupshared int count;
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(32, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    if (index == 0)
    {
        smallest = 1000;
        count = 0;
    }
    GroupMemoryBarrierWithGroupSync();
    InterlockedMin(smallest, int(index) + 3);
    InterlockedAdd(count, 1);
    GroupMemoryBarrierWithGroupSync();
    if (index == 0)
    {
        written[0] = smallest;
        written[1] = count;
    }
}
