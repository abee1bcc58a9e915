// Windows: a compute shader shares groupshared memory, syncs the group, and
// adds atomically to groupshared values and to unordered-access buffers.
// verdict: accepted CSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (groupshared), groupmemorybarrierwithgroupsync, interlockedadd ("dest: the destination address", a groupshared variable or a UAV element), interlockedcompareexchange and interlockedmax
RWByteAddressBuffer counters : register(u0);
RWStructuredBuffer<uint> totals : register(u1);
groupshared uint sums[64];
[numthreads(64, 1, 1)]
void CSMain(uint3 id : SV_DispatchThreadID, uint index : SV_GroupIndex)
{
    sums[index] = id.x;
    GroupMemoryBarrierWithGroupSync();
    uint before;
    InterlockedAdd(sums[0], 1, before);
    InterlockedMax(totals[0], sums[index]);
    uint previous;
    InterlockedCompareExchange(totals[1], 0, before, previous);
    counters.InterlockedAdd(0, 1, previous);
    AllMemoryBarrierWithGroupSync();
}
