// Windows: a loop whose count comes from the dispatch id runs a different number of group syncs in each thread.
// verdict: compile-error CSMain X4026
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_RACE_CONDITION_INDUCED_INV_SYNC, 4026: "A thread sync operation must be in non-varying flow control. Because of a potential race condition, this sync is invalid") and groupmemorybarrierwithgroupsync ("Blocks execution of all threads in a group until all group shared accesses have been completed and all threads in the group have reached this call")
RWStructuredBuffer<uint> results : register(u0);
groupshared uint total;
[numthreads(8, 1, 1)]
void CSMain(uint3 id : SV_DispatchThreadID)
{
    const uint rounds = id.x % 3 + 1;
    for (uint round = 0; round < rounds; ++round)
    {
        InterlockedAdd(total, 1);
        AllMemoryBarrierWithGroupSync();
    }
    results[id.x] = total;
}
