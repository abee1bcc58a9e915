// Windows: InterlockedExchange on groupshared memory hands each thread the value the previous one stored; the 8 values given back and the last one left are 0 to 8 once each.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 9
// expect u0: 1 1 1 1 1 1 1 1 1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedexchange ("Assigns value to dest and returns the original value"; dest: a groupshared variable)
RWStructuredBuffer<uint> written : register(u0);
groupshared uint slot;
groupshared uint seen[9];
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(8, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    if (index == 0)
    {
        slot = 0;
    }
    seen[index] = 0;
    if (index == 0)
    {
        seen[8] = 0;
    }
    GroupMemoryBarrierWithGroupSync();
    uint before;
    InterlockedExchange(slot, index + 1, before);
    InterlockedAdd(seen[before], 1);
    GroupMemoryBarrierWithGroupSync();
    if (index == 0)
    {
        InterlockedAdd(seen[slot], 1);
    }
    GroupMemoryBarrierWithGroupSync();
    written[index] = seen[index];
    if (index == 0)
    {
        written[8] = seen[8];
    }
}
