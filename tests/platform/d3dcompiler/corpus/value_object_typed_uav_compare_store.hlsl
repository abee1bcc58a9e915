// Windows: InterlockedCompareStore on an RWBuffer<uint> element stores only where the element equals the compare value.
// verdict: accepted CSMain
// group: resources
// uav u0: typed r32_uint 2 : 4 5
// expect u0: 9 5
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedcomparestore ("Atomically compares the destination to the comparison value. If they are identical, the destination is overwritten with the input value")
RWBuffer<uint> values : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    InterlockedCompareStore(values[0], 4, 9);
    InterlockedCompareStore(values[1], 4, 9);
}
