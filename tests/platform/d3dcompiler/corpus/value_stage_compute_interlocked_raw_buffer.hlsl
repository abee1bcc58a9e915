// Windows: RWByteAddressBuffer's Interlocked* methods work on the word at a byte address and give its earlier value.
// verdict: accepted CSMain
// group: stages
// uav u0: raw 8 : 10 6 240 7 0 0 0 0
// expect u0: 15 2 255 4 10 6 240 7
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwbyteaddressbuffer-interlockedadd, -interlockedand, -interlockedor and -interlockedcompareexchange (dest: the byte address; original_value: the value before)
RWByteAddressBuffer words : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    uint before;
    words.InterlockedAdd(0, 5, before);
    words.Store(16, before);
    words.InterlockedAnd(4, 3, before);
    words.Store(20, before);
    words.InterlockedOr(8, 0x0F, before);
    words.Store(24, before);
    words.InterlockedCompareExchange(12, 7, 4, before);
    words.Store(28, before);
}
