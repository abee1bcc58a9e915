// Windows: in a 2x2x2 group dispatched once, SV_GroupThreadID is the thread's place, SV_GroupID is zero and SV_GroupIndex is z*4 + y*2 + x.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 8
// expect u0: 0 101 10 111 1000 1101 1010 1111
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sv-groupthreadid, sv-groupid and sv-groupindex (SV_GroupIndex = SV_GroupThreadID.z*dimx*dimy + SV_GroupThreadID.y*dimx + SV_GroupThreadID.x)
RWStructuredBuffer<uint> written : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(2, 2, 2)]
void CSMain(uint3 thread : SV_GroupThreadID, uint3 group : SV_GroupID, uint index : SV_GroupIndex)
{
    written[index] = thread.x * 100 + thread.y * 10 + thread.z * 1000 + group.x + group.y + group.z +
                     (index & 1);
}
