// Windows: InterlockedAdd on a groupshared variable sums every thread's value once the group has synchronised.
// verdict: accepted CSMain
// group: resources
// uav u0: structured 4 1
// expect u0: 10
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedadd ("dest: The destination address ... a shared memory variable"), groupmemorybarrierwithgroupsync
RWStructuredBuffer<uint> total : register(u0);
groupshared uint sum;
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(4, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    if (index == 0)
        sum = 0;
    GroupMemoryBarrierWithGroupSync();
    InterlockedAdd(sum, index + 1);
    GroupMemoryBarrierWithGroupSync();
    if (index == 0)
        total[0] = sum;
}
