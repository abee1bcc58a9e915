// Windows: GroupMemoryBarrierWithGroupSync is for compute shaders only, so a
// vertex shader calling it is refused.
// verdict: compile-error VSMain -
// group: stages
// error text: cannot map expression to
// source: learn.microsoft.com/windows/win32/direct3dhlsl/groupmemorybarrierwithgroupsync ("supported in the following types of shaders": compute only); fxc's words for it not found quoted: those it gives for Sample outside a pixel shader (X4532) are expected, not checked by number
float4 VSMain(float3 position : POSITION) : SV_Position
{
    GroupMemoryBarrierWithGroupSync();
    return float4(position, 1.0);
}
