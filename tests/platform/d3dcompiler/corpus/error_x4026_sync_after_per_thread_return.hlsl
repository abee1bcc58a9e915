// Windows: threads past the end of the data leave before the group sync, so the others would wait for them forever.
// verdict: compile-error CSMain X4026
// group: stages
// error text: thread sync operation must be in non-varying flow control, due to a potential race condition
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_RACE_CONDITION_INDUCED_INV_SYNC, 4026: "A thread sync operation must be in non-varying flow control. Because of a potential race condition, this sync is invalid"); records of fxc refusing a sync after per-thread early returns with "thread sync operation must be in non-varying flow control" (a Unity compute shader's change notes and a WebGPU library's changelog found by code search: "Early `return` statements before `GroupMemoryBarrierWithGroupSync()`") and groupmemorybarrierwithgroupsync ("Blocks execution of all threads in a group until all group shared accesses have been completed and all threads in the group have reached this call")
cbuffer Work : register(b0)
{
    uint itemCount;
};
RWStructuredBuffer<float> results : register(u0);
groupshared float staged[64];
[numthreads(64, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    if (index >= itemCount)
        return;
    staged[index] = index;
    GroupMemoryBarrierWithGroupSync();
    results[index] = staged[63 - index];
}
