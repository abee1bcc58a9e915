// Windows: InterlockedAdd on a groupshared counter gives each of 8 threads a different original value, 0 to 7, so every slot is written once.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 9
// expect u0: 1 1 1 1 1 1 1 1 8
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedadd ("performs a guaranteed atomic add"; original_value: "the original input value") and dx-graphics-hlsl-variable-syntax (groupshared)
RWStructuredBuffer<uint> written : register(u0);
groupshared uint counter;
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(8, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    if (index == 0)
    {
        counter = 0;
    }
    GroupMemoryBarrierWithGroupSync();
    uint slot;
    InterlockedAdd(counter, 1, slot);
    written[slot] = 1;
    GroupMemoryBarrierWithGroupSync();
    if (index == 0)
    {
        written[8] = counter;
    }
}
