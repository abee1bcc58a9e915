// Windows: RWByteAddressBuffer's InterlockedCompareStore, and the intrinsic on groupshared memory, write the value only where the destination equals the comparison value.
// verdict: accepted CSMain
// group: stages
// uav u0: raw 4 : 7 7 0 0
// expect u0: 7 8 5 9
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwbytebuffer-interlockedcomparestore and interlockedcomparestore ("atomically compares the destination to the comparison value. If they are identical, the destination is overwritten with the input value")
RWByteAddressBuffer words : register(u0);
groupshared uint cell;
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    words.InterlockedCompareStore(0, 6, 100);
    words.InterlockedCompareStore(4, 7, 8);
    cell = 5;
    InterlockedCompareStore(cell, 4, 6);
    words.Store(8, cell);
    InterlockedCompareStore(cell, 5, 9);
    words.Store(12, cell);
}
