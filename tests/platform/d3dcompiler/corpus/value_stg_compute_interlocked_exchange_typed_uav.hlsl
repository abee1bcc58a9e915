// Windows: InterlockedExchange and InterlockedAdd on a RWBuffer<uint> element give the element's earlier value.
// verdict: accepted CSMain
// group: stages
// uav u0: typed r32_uint 4 : 11 20 0 0
// expect u0: 5 23 11 20
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedexchange and interlockedadd (dest: a resource variable; original_value)
RWBuffer<uint> values : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    uint before;
    InterlockedExchange(values[0], 5, before);
    values[2] = before;
    InterlockedAdd(values[1], 3, before);
    values[3] = before;
}
