// Windows: the Interlocked* functions on a RWStructuredBuffer element give the value before the operation in their last argument.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 8 : 5 12 7 9 3 0 0 0
// expect u0: 8 12 99 9 7 5 7 3
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedadd, interlockedmax, interlockedexchange, interlockedcompareexchange and interlockedor ("original_value: optional; the original input value")
RWStructuredBuffer<uint> values : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    uint before;
    InterlockedAdd(values[0], 3, before);
    values[5] = before;
    InterlockedMax(values[1], 10, before);
    InterlockedExchange(values[2], 99, before);
    values[6] = before;
    uint compared;
    InterlockedCompareExchange(values[3], 9, 9, compared);
    InterlockedOr(values[4], 6, before);
    values[7] = before;
}
