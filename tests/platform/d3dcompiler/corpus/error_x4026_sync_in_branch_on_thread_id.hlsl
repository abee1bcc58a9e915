// Windows: a group sync inside a branch on the thread's own id; the other branch's threads never reach it.
// verdict: compile-error CSMain X4026
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_RACE_CONDITION_INDUCED_INV_SYNC, 4026: "A thread sync operation must be in non-varying flow control. Because of a potential race condition, this sync is invalid") and groupmemorybarrierwithgroupsync ("Blocks execution of all threads in a group until all group shared accesses have been completed and all threads in the group have reached this call")
RWStructuredBuffer<uint> results : register(u0);
groupshared uint cells[8];
[numthreads(8, 1, 1)]
void CSMain(uint3 thread : SV_GroupThreadID)
{
    cells[thread.x] = thread.x;
    if (thread.x < 4)
    {
        DeviceMemoryBarrierWithGroupSync();
        results[thread.x] = cells[7 - thread.x];
    }
}
