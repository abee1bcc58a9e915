// Windows: packoffset places a member at a register and component.
// verdict: accepted
// probe: 5 9 11 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-packoffset ("packoffset(c0.y)": register c0, component y)
#include "probe_stages.hlsli"
cbuffer Placed : register(b0)
{
    float x : packoffset(c1.y);
    float4 y : packoffset(c2);
};
float4 PSMain() : SV_Target
{
    return float4(x, y.y, y.w, 0);
}
