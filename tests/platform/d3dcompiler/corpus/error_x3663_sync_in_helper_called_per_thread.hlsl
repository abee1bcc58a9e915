// Windows: functions are inlined, so a helper holding a group sync, called from a branch on the thread index, puts the sync in that branch.
// verdict: compile-error CSMain X3663
// group: stages
// error text: thread sync operation found in varying flow control
// source: fxc's own output for a sync in a branch on SV_DispatchThreadID, quoted in DirectXShaderCompiler issue 1306 ("error X3663: thread sync operation found in varying flow control, consider reformulating your algorithm so all threads will hit the sync simultaneously", with a second line "error X3663: this variable dependent on potentially varying data: dtid"); learn.microsoft.com/windows/win32/direct3dhlsl/groupmemorybarrierwithgroupsync ("Blocks execution of all threads in a group until ... all threads in the group have reached this call"); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax (functions are inlined)
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
