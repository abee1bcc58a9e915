// Windows: a loop whose count comes from the dispatch id runs a different number of group syncs in each thread.
// verdict: compile-error CSMain X3663
// group: stages
// error text: thread sync operation found in varying flow control
// source: fxc's own output for a sync in a branch on SV_DispatchThreadID, quoted in DirectXShaderCompiler issue 1306 ("error X3663: thread sync operation found in varying flow control, consider reformulating your algorithm so all threads will hit the sync simultaneously", with a second line "error X3663: this variable dependent on potentially varying data: dtid"); learn.microsoft.com/windows/win32/direct3dhlsl/groupmemorybarrierwithgroupsync ("Blocks execution of all threads in a group until ... all threads in the group have reached this call"); a loop counted from the thread id holding a sync: "Can't use for( i = thread; ... ) because it won't compile, with X3663: thread sync operation found in varying flow control", a public compute shader's comment found by code search
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
