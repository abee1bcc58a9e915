// Windows: GroupMemoryBarrierWithGroupSync is for compute shaders only.
// verdict: compile-error PSMain -
// group: stages
// error text: cannot map expression to
// source: learn.microsoft.com/windows/win32/direct3dhlsl/groupmemorybarrierwithgroupsync ("supported in the following types of shaders": compute only); fxc's words for it not found quoted: those it gives for Sample outside a pixel shader (X4532) are expected, not checked by number
float Shade(float y)
{
    GroupMemoryBarrierWithGroupSync();
    return 0.5 * y;
}
#include "shade_stages.hlsli"
