// Windows: the Interlocked functions take int or uint destinations; InterlockedAdd on a groupshared float is refused.
// verdict: compile-error CSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedadd (dest and value: int or uint, "This operation can only be performed on int or uint typed resources and shared memory variables"); fxc's words for it were not found
RWStructuredBuffer<float> results : register(u0);
groupshared float total;
[numthreads(8, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    InterlockedAdd(total, 1.0);
    GroupMemoryBarrierWithGroupSync();
    results[index] = total;
}
