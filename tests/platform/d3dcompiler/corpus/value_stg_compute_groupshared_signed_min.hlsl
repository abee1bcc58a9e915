// Windows: InterlockedMin and InterlockedMax on a groupshared int over 8 threads give the signed extremes, -4 and 3.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 2
// expect u0: -4 3
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedmin and interlockedmax (dest: a groupshared variable or a resource) and dx-graphics-hlsl-variable-syntax (groupshared)
RWStructuredBuffer<int> written : register(u0);
groupshared int lowest;
groupshared int highest;
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(8, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    if (index == 0)
    {
        lowest = 100;
        highest = -100;
    }
    GroupMemoryBarrierWithGroupSync();
    InterlockedMin(lowest, (int)index - 4);
    InterlockedMax(highest, (int)index - 4);
    GroupMemoryBarrierWithGroupSync();
    if (index == 0)
    {
        written[0] = lowest;
        written[1] = highest;
    }
}
