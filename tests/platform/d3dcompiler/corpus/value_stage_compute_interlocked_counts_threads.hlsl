// Windows: 64 threads each add 1 to one word of a RWByteAddressBuffer; the original values they get are 0 to 63, each once.
// verdict: accepted CSMain
// group: stages
// uav u0: raw 2
// expect u0: 64 2016
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwbyteaddressbuffer-interlockedadd (an atomic add; original_value: the value before)
RWByteAddressBuffer counters : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(64, 1, 1)]
void CSMain()
{
    uint before;
    counters.InterlockedAdd(0, 1, before);
    counters.InterlockedAdd(4, before);
}
