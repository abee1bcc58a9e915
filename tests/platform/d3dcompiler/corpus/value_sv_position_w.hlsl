// Windows: a pixel shader's SV_Position.w is the interpolated clip-space w, not its reciprocal.
// verdict: accepted
// probe: 0.5 0.5 0 2
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (section "Direct3D 9 VPOS and Direct3D 10 SV_Position": SV_Position in a pixel shader holds the pixel centre in xy and the position's interpolated z and w; Vulkan's FragCoord.w is 1/w)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return position;
}
