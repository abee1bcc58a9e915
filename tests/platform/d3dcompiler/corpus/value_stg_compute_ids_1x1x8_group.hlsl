// Windows: in a 1x1x8 group, SV_GroupIndex is SV_GroupThreadID.z, and SV_GroupID stays zero in one group.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 8
// expect u0: 0 2 4 6 8 10 12 14
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sv-groupindex (SV_GroupThreadID.z*dimx*dimy + SV_GroupThreadID.y*dimx + SV_GroupThreadID.x) and sv-groupid
RWStructuredBuffer<uint> written : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 8)]
void CSMain(uint3 thread : SV_GroupThreadID, uint3 group : SV_GroupID, uint index : SV_GroupIndex)
{
    written[index] = thread.z * 2 + thread.x + thread.y + group.x + group.y + group.z;
}
