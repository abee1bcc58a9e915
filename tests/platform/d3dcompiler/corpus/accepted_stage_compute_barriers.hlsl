// Windows: a compute shader may call every memory barrier, with and without the group sync.
// verdict: accepted CSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/allmemorybarrier, allmemorybarrierwithgroupsync, devicememorybarrier, devicememorybarrierwithgroupsync, groupmemorybarrier and groupmemorybarrierwithgroupsync (each lists compute shaders)
RWStructuredBuffer<uint> results : register(u0);
groupshared uint cells[8];
[numthreads(8, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    cells[index] = index;
    GroupMemoryBarrier();
    DeviceMemoryBarrier();
    AllMemoryBarrier();
    DeviceMemoryBarrierWithGroupSync();
    AllMemoryBarrierWithGroupSync();
    GroupMemoryBarrierWithGroupSync();
    results[index] = cells[7 - index];
}
