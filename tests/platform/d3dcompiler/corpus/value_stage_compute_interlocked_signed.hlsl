// Windows: InterlockedMin and InterlockedMax on an int buffer compare as signed; InterlockedCompareStore writes only on a match.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 4 : 5 -5 7 7
// expect u0: -3 -2 7 8
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedmin and interlockedmax ("performs a guaranteed atomic min/max"; on int values a signed comparison) and interlockedcomparestore (writes value when dest equals compare_value)
RWStructuredBuffer<int> values : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    InterlockedMin(values[0], -3);
    InterlockedMax(values[1], -2);
    InterlockedCompareStore(values[2], 6, 100);
    InterlockedCompareStore(values[3], 7, 8);
}
