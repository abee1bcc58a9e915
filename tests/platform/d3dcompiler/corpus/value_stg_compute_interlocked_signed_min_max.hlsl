// Windows: InterlockedMin and InterlockedMax on an int element compare signed values: -5 is less than 3.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 4 : 3 3 0 0
// expect u0: -5 3 3 3
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedmin and interlockedmax (int and uint overloads; a signed comparison for int)
RWStructuredBuffer<int> values : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    int before;
    InterlockedMin(values[0], -5, before);
    values[2] = before;
    InterlockedMax(values[1], -7, before);
    values[3] = before;
}
