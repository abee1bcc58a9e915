// Windows: after DeviceMemoryBarrierWithGroupSync each thread reads what another thread of its group wrote to a UAV.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 16
// expect u0: 0 1 4 9 16 25 36 49 49 36 25 16 9 4 1 0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/devicememorybarrierwithgroupsync ("all device memory accesses have been completed and all threads in the group have reached this call")
RWStructuredBuffer<uint> written : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(8, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    written[index] = index * index;
    DeviceMemoryBarrierWithGroupSync();
    written[8 + index] = written[7 - index];
}
