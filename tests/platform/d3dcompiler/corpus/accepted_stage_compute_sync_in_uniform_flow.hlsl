// Windows: group syncs under conditions and loops that every thread of the group decides alike (constants, a loop of fixed count) are accepted, and so is a per-thread branch holding no sync and a per-thread return after the last sync.
// verdict: accepted CSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_RACE_CONDITION_INDUCED_INV_SYNC, 4026: "A thread sync operation must be in non-varying flow control. Because of a potential race condition, this sync is invalid") and groupmemorybarrierwithgroupsync ("Blocks execution of all threads in a group until all group shared accesses have been completed and all threads in the group have reached this call") (only flow control that differs between threads is refused)
cbuffer Work : register(b0)
{
    uint passes;
    uint itemCount;
};
RWStructuredBuffer<float> results : register(u0);
groupshared float sums[64];
void Settle()
{
    GroupMemoryBarrierWithGroupSync();
}
[numthreads(64, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    sums[index] = index;
    Settle();
    for (uint width = 32; width > 0; width >>= 1)
    {
        if (index < width)
            sums[index] += sums[index + width];
        GroupMemoryBarrierWithGroupSync();
    }
    [loop] for (uint pass = 0; pass < passes; ++pass)
    {
        switch (index % 3)
        {
        case 0: sums[index] += 1; break;
        default: break;
        }
        GroupMemoryBarrierWithGroupSync();
    }
    if (passes > 4)
        AllMemoryBarrierWithGroupSync();
    if (index >= itemCount)
        return;
    results[index] = sums[0];
}
