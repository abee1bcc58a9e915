// Windows: SampleLevel takes a sampler, a location and a level: two arguments match no overload.
// verdict: compile-error PSMain X3013
// group: resources
// error text: 'SampleLevel': no matching 2 parameter intrinsic method
// texture t0: 2d r32g32b32a32_float 1x1
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplelevel (S, Location, LOD [, Offset]); fxc's X3013 words as in error_x3013_load_without_mip_level.hlsl
#include "resource_stages.hlsli"
Texture2D<float4> colours : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return colours.SampleLevel(nearest, float2(0.5, 0.5));
}
