// Windows: AllMemoryBarrier and DeviceMemoryBarrier work in pixel shaders
// too; the barriers that sync the thread group are for compute shaders only.
// verdict: accepted
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/allmemorybarrier and devicememorybarrier ("supported in the following types of shaders": pixel and compute)
float Shade(float y)
{
    AllMemoryBarrier();
    DeviceMemoryBarrier();
    return 0.5 * y;
}
#include "shade_stages.hlsli"
