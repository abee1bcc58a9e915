// Windows: DeviceMemoryBarrier and AllMemoryBarrier, without a group sync, may be called in a pixel shader.
// verdict: accepted
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/devicememorybarrier and allmemorybarrier (supported in pixel and compute shaders)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    DeviceMemoryBarrier();
    AllMemoryBarrier();
    return float4(position.xy, 0, 1);
}
