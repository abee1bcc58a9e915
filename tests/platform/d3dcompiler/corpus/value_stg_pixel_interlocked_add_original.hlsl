// Windows: a pixel shader may call InterlockedAdd on a UAV bound past its render target; its one pixel adds 5 and reads the earlier 7.
// verdict: accepted
// probe: 7 0 0 1
// group: stages
// uav u1: structured 4 2 : 7 0
// expect u1: 12 0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedadd ("supported in the following types of shaders": pixel and compute; original_value) and resource binding (UAVs and render targets share slots before shader model 5.1, so the UAV is at u1)
#include "resource_stages.hlsli"
RWStructuredBuffer<uint> counts : register(u1);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint before;
    InterlockedAdd(counts[0], 5, before);
    return float4(before, 0, 0, 1);
}
