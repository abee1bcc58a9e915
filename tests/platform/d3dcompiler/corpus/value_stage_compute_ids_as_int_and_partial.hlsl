// Windows: SV_DispatchThreadID may be declared int3 and SV_GroupThreadID with fewer components (uint2); they hold the same values.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 6
// expect u0: 0 3 1 4 2 5
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sv-dispatchthreadid and sv-groupthreadid ("uint3"; the compiler takes int and fewer components, as for other system values: dx-graphics-hlsl-semantics)
RWStructuredBuffer<int> written : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(3, 2, 1)]
void CSMain(int3 id : SV_DispatchThreadID, uint2 thread : SV_GroupThreadID)
{
    written[id.x * 2 + id.y] = int(thread.x) + 3 * int(thread.y) - id.z;
}
