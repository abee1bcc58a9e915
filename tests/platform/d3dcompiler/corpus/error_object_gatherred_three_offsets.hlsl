// Windows: GatherRed takes one offset or four: three offsets (five arguments) match no overload.
// verdict: compile-error PSMain X3013
// group: resources
// error text: 'GatherRed': no matching 5 parameter intrinsic method
// texture t0: 2d r32_float 4x4
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-gatherred (overloads (S, float2), (S, float2, int2), (S, float2, int2, uint), (S, float2, int2, int2, int2, int2) and that with a uint status); fxc's X3013 words as in error_x3013_load_without_mip_level.hlsl
#include "resource_stages.hlsli"
Texture2D<float> grid : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return grid.GatherRed(nearest, float2(0.5, 0.5), int2(1, 0), int2(0, 1), int2(1, 1));
}
