// Windows: a TextureCube's Gather takes no offset: a location, an offset and a status (four arguments) match no overload.
// verdict: compile-error PSMain X3013
// group: resources
// error text: 'Gather': no matching 4 parameter intrinsic method
// texture t0: cube r32_float 1x1
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texturecube-gather (overloads Gather(S, float3) and Gather(S, float3, uint)); Gather (DirectX HLSL Texture Object), ee418512 (Offset: "TextureCube, TextureCubeArray: not supported"); fxc's X3013 words as in error_x3013_load_without_mip_level.hlsl
#include "resource_stages.hlsli"
TextureCube<float> sky : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    uint status;
    return sky.Gather(nearest, float3(1, 0, 0), int2(1, 0), status);
}
