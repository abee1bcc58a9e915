// Windows: a group sync inside a branch on the thread's own id; the other branch's threads never reach it.
// verdict: compile-error CSMain X3663
// group: stages
// error text: thread sync operation found in varying flow control
// source: fxc's own output for a sync in a branch on SV_DispatchThreadID, quoted in DirectXShaderCompiler issue 1306 ("error X3663: thread sync operation found in varying flow control, consider reformulating your algorithm so all threads will hit the sync simultaneously", with a second line "error X3663: this variable dependent on potentially varying data: dtid"); learn.microsoft.com/windows/win32/direct3dhlsl/groupmemorybarrierwithgroupsync ("Blocks execution of all threads in a group until ... all threads in the group have reached this call")
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
