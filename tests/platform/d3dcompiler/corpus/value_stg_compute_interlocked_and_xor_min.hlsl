// Windows: InterlockedAnd, InterlockedXor and InterlockedMin on a RWStructuredBuffer<uint> element give the value before the operation.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 6 : 12 5 9 0 0 0
// expect u0: 4 3 2 12 5 9
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedand, interlockedxor and interlockedmin (dest, value, original_value)
RWStructuredBuffer<uint> values : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    uint before;
    InterlockedAnd(values[0], 6, before);
    values[3] = before;
    InterlockedXor(values[1], 6, before);
    values[4] = before;
    InterlockedMin(values[2], 2, before);
    values[5] = before;
}
