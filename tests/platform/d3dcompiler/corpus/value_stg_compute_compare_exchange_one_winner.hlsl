// Windows: of 8 threads that InterlockedCompareExchange one groupshared word from 0, exactly one finds 0 and stores its number.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 2
// expect u0: 1 1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedcompareexchange ("atomically compares the destination with the comparison value. If they are identical, the destination is overwritten with the input value. The original value is set to the destination's original value")
RWStructuredBuffer<uint> written : register(u0);
groupshared uint owner;
groupshared uint winners;
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(8, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    if (index == 0)
    {
        owner = 0;
        winners = 0;
    }
    GroupMemoryBarrierWithGroupSync();
    uint before;
    InterlockedCompareExchange(owner, 0, index + 1, before);
    if (before == 0)
    {
        InterlockedAdd(winners, 1);
    }
    GroupMemoryBarrierWithGroupSync();
    if (index == 0)
    {
        written[0] = winners;
        written[1] = owner >= 1 && owner <= 8 ? 1 : 0;
    }
}
