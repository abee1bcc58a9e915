// Windows: the original value an interlocked add hands back is read from memory other threads change,
// so a group sync under a branch on it is refused.
// verdict: compile-error CSMain X4026
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_RACE_CONDITION_INDUCED_INV_SYNC, 4026: "A thread sync operation must be in non-varying flow control. Because of a potential race condition, this sync is invalid so consider adding a sync after reading any values that control shader execution at this point"); learn.microsoft.com/windows/win32/direct3dhlsl/interlockedadd (original_value: "The original input value")
RWByteAddressBuffer totals : register(u0);
groupshared uint shared;
[numthreads(8, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    uint before;
    totals.InterlockedAdd(0, 1, before);
    if (before < 4)
        DeviceMemoryBarrierWithGroupSync();
    totals.Store(4 + index * 4, before);
}
