// Windows: functions are inlined, so a helper holding a group sync, called from a branch on the thread index, puts the sync in that branch.
// verdict: compile-error CSMain X4026
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_RACE_CONDITION_INDUCED_INV_SYNC, 4026: "A thread sync operation must be in non-varying flow control. Because of a potential race condition, this sync is invalid") and groupmemorybarrierwithgroupsync ("Blocks execution of all threads in a group until all group shared accesses have been completed and all threads in the group have reached this call"); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax (functions are inlined)
RWStructuredBuffer<float> results : register(u0);
groupshared float staged[16];
void Exchange(uint index)
{
    staged[index] = index * 2.0;
    GroupMemoryBarrierWithGroupSync();
}
[numthreads(16, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    if (index % 2 == 0)
        Exchange(index);
    results[index] = staged[15 - index];
}
