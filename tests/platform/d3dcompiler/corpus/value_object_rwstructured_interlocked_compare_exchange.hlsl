// Windows: InterlockedCompareExchange stores only where the destination equals the compare value, and gives the value before either way.
// verdict: accepted CSMain
// group: resources
// uav u0: structured 4 4 : 5 6 0 0
// expect u0: 9 6 5 6
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedcompareexchange ("Atomically compares the destination with the comparison value. If they are identical, the destination is overwritten with the input value. The original value is set to the destination's original value")
RWStructuredBuffer<uint> values : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    uint first, second;
    InterlockedCompareExchange(values[0], 5, 9, first);
    InterlockedCompareExchange(values[1], 5, 9, second);
    values[2] = first;
    values[3] = second;
}
