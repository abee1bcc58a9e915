// Windows: InterlockedExchange and InterlockedCompareExchange on groupshared memory give the value before.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 4
// expect u0: 7 9 9 11
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedexchange and interlockedcompareexchange (dest: a groupshared variable; original_value: the value before)
RWStructuredBuffer<uint> written : register(u0);
groupshared uint cell;
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    cell = 7;
    uint before;
    InterlockedExchange(cell, 9, before);
    written[0] = before;
    uint compared;
    InterlockedCompareExchange(cell, 9, 11, compared);
    written[1] = compared;
    written[2] = 9;
    written[3] = cell;
}
