// Windows: SV_DispatchThreadID declared as a uint scalar is its x component; SV_GroupID of the one group dispatched is zero.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 3
// expect u0: 1 2 3
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sv-dispatchthreadid and sv-groupid (uint3; fewer components take the first ones, as for other system values: dx-graphics-hlsl-semantics)
RWStructuredBuffer<uint> written : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(3, 1, 1)]
void CSMain(uint id : SV_DispatchThreadID, uint3 group : SV_GroupID)
{
    written[id] = id + 1 + group.x + group.y + group.z;
}
