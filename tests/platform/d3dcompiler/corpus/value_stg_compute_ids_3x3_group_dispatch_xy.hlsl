// Windows: SV_DispatchThreadID read as a uint2 gives x and y of a 3x3x1 group's threads.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 9
// expect u0: 0 1 2 100 101 102 200 201 202
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sv-dispatchthreadid (the type may be uint, uint2 or uint3) and sm5-attributes-numthreads
RWStructuredBuffer<uint> written : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(3, 3, 1)]
void CSMain(uint2 id : SV_DispatchThreadID)
{
    written[id.y * 3 + id.x] = id.y * 100 + id.x;
}
