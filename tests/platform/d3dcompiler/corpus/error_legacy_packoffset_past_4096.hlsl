// Windows: a constant buffer holds 4096 registers, c0 to c4095; packoffset
// past them is refused.
// verdict: compile-error PSMain -
// group: refuse
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-packoffset and learn.microsoft.com/windows/win32/direct3d11/overviews-direct3d-11-resources-buffers-constant-how-to (a constant buffer holds up to 4096 vectors)
#include "probe_stages.hlsli"
cbuffer Placed : register(b0)
{
    float4 far : packoffset(c4096);
};
float4 PSMain() : SV_Target
{
    return far;
}
