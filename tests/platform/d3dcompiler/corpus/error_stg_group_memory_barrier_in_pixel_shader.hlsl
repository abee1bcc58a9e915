// Windows: GroupMemoryBarrier is for compute shaders only; a pixel shader calling it is refused.
// verdict: compile-error PSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/groupmemorybarrier ("supported in the following types of shaders": compute only); fxc's words for it were not found
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    GroupMemoryBarrier();
    return float4(position.xy, 0, 1);
}
