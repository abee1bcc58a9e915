// Windows: InterlockedMin and InterlockedMax on an RWBuffer<int> compare signed values; InterlockedExchange on an RWTexture1D<uint> gives the value it replaced.
// verdict: accepted CSMain
// group: resources
// uav u0: typed r32_sint 2 : -3 4
// uav u1: 1d r32_uint 2 : 10 20
// expect u0: -7 4
// expect u1: 5 10
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedmin, interlockedmax ("Performs a guaranteed atomic min/max"; int overloads compare signed), interlockedexchange ("original_value: The original value")
RWBuffer<int> values : register(u0);
RWTexture1D<uint> slots : register(u1);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    InterlockedMin(values[0], -7);
    InterlockedMax(values[1], -1);
    uint before;
    InterlockedExchange(slots[0], 5, before);
    slots[1] = before;
}
