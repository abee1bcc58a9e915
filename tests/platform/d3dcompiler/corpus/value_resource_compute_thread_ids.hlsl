// Windows: a compute shader's threads of one group each write their SV_DispatchThreadID and SV_GroupIndex.
// verdict: accepted CSMain
// group: resources
// uav u0: structured 4 4
// expect u0: 0 11 22 33
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sv-dispatchthreadid, sv-groupindex
RWStructuredBuffer<uint> written : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(4, 1, 1)]
void CSMain(uint3 id : SV_DispatchThreadID, uint index : SV_GroupIndex)
{
    written[id.x] = id.x * 10 + index;
}
