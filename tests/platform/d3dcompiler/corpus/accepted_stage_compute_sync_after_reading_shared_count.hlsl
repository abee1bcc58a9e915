// Windows: a count read from groupshared memory into a local, then a sync every thread reaches, then
// loops and branches on that local holding further syncs: the sync after the read is the remedy
// Windows' message names, as no thread can change the value before all have read it. Each thread
// sums the cells over three rounds.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 8
// expect u0: 24 25 26 27 28 29 30 31
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_RACE_CONDITION_INDUCED_INV_SYNC, 4026: "A thread sync operation must be in non-varying flow control. Because of a potential race condition, this sync is invalid so consider adding a sync after reading any values that control shader execution at this point") (the remedy: "consider adding a sync after reading any values that control shader execution"); groupmemorybarrierwithgroupsync
RWStructuredBuffer<uint> results : register(u0);
groupshared uint roundCount;
groupshared uint cells[8];
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(8, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    if (index == 0)
        roundCount = 3;
    cells[index] = 1;
    GroupMemoryBarrierWithGroupSync();
    const uint rounds = roundCount;
    GroupMemoryBarrierWithGroupSync();
    uint total = 0;
    for (uint round = 0; round < rounds; ++round)
    {
        for (uint k = 0; k < 8; ++k)
            total += cells[k];
        GroupMemoryBarrierWithGroupSync();
    }
    if (rounds == 3)
        GroupMemoryBarrierWithGroupSync();
    results[index] = total + index;
}
