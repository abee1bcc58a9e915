// Windows: clip of a vector discards where one component is below zero, so
// the target keeps the value it was cleared to.
// verdict: accepted
// probe: 0.25 0.5 0.75 1
// clear: 0.25 0.5 0.75 1
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-clip ("Discards the current pixel if the specified value is less than zero"; applied per component)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    clip(float3(one, one, -0.001 * one));
    return float4(9, 9, 9, 9);
}
