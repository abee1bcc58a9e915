// Windows: a group sync under a branch on a groupshared value: another thread may write the value while
// this one reads it, so the threads may not all take the branch alike.
// verdict: compile-error CSMain X4026
// group: stages
// error text: thread sync operation must be in non-varying flow control
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_RACE_CONDITION_INDUCED_INV_SYNC, 4026: "A thread sync operation must be in non-varying flow control. Because of a potential race condition, this sync is invalid so consider adding a sync after reading any values that control shader execution at this point")
RWStructuredBuffer<uint> results : register(u0);
groupshared uint pending;
[numthreads(8, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    if (index == 0)
        pending = 3;
    GroupMemoryBarrierWithGroupSync();
    if (pending > 2)
    {
        GroupMemoryBarrierWithGroupSync();
    }
    results[index] = pending;
}
