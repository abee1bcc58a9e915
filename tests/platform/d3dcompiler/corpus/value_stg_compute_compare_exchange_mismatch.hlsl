// Windows: InterlockedCompareExchange stores nothing when the element differs from the compared value, and gives the element's value back.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 4 : 7 7 0 0
// expect u0: 7 42 7 7
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedcompareexchange ("atomically compares the destination with the comparison value. If they are identical, the destination is overwritten with the input value"; original_value)
RWStructuredBuffer<uint> values : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    uint before;
    InterlockedCompareExchange(values[0], 8, 42, before);
    values[2] = before;
    InterlockedCompareExchange(values[1], 7, 42, before);
    values[3] = before;
}
