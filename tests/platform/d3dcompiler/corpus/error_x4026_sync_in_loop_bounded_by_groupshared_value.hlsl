// Windows: a loop holding a group sync, bounded by a count each thread reads from groupshared memory
// and computes on before any sync: another thread may change the count while the others read it.
// verdict: compile-error CSMain X4026
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_RACE_CONDITION_INDUCED_INV_SYNC, 4026: "A thread sync operation must be in non-varying flow control. Because of a potential race condition, this sync is invalid so consider adding a sync after reading any values that control shader execution at this point")
RWStructuredBuffer<uint> results : register(u0);
groupshared uint roundCount;
groupshared float cells[16];
[numthreads(16, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    if (index == 0)
        roundCount = 2;
    const uint rounds = roundCount + 1;
    for (uint round = 0; round < rounds; ++round)
    {
        cells[index] = round;
        AllMemoryBarrierWithGroupSync();
    }
    results[index] = cells[15 - index];
}
