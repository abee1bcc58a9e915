// Windows: in a 4x2 group SV_GroupIndex is y*4 + x, and the dispatch thread ID equals the group thread ID in group 0.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 8
// expect u0: 0 1 2 3 4 5 6 7
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sv-groupindex (flattened index: z*dimx*dimy + y*dimx + x) and sv-dispatchthreadid (SV_GroupID * numthreads + SV_GroupThreadID)
RWStructuredBuffer<uint> written : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(4, 2, 1)]
void CSMain(uint3 id : SV_DispatchThreadID, uint3 thread : SV_GroupThreadID, uint index : SV_GroupIndex)
{
    written[id.y * 4 + id.x] = all(id == thread) ? index : 99;
}
