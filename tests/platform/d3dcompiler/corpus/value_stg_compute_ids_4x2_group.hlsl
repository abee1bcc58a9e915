// Windows: in a 4x2x1 group dispatched once, SV_DispatchThreadID equals SV_GroupThreadID, and SV_GroupIndex counts x first.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 8
// expect u0: 0 1 2 3 10 11 12 13
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sv-dispatchthreadid (SV_GroupID * numthreads + SV_GroupThreadID), sv-groupthreadid and sv-groupindex (SV_GroupThreadID.z*dimx*dimy + SV_GroupThreadID.y*dimx + SV_GroupThreadID.x)
RWStructuredBuffer<uint> written : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(4, 2, 1)]
void CSMain(uint3 dispatch : SV_DispatchThreadID, uint3 thread : SV_GroupThreadID, uint index : SV_GroupIndex)
{
    written[index] = dispatch.x + dispatch.y * 10 + (any(dispatch != thread) ? 1000 : 0);
}
