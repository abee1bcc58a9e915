// Windows: the opaque black border gives (0, 0, 0, 1) outside the texture; WRAP applies after the offset.
// verdict: accepted
// probe: 0 1 1 4
// group: resources
// texture t0: 2d r32g32b32a32_float 2x1 : 1 2 3 4  5 6 7 8
// texture t1: 2d r32_float 4x1 : 1 2 3 4
// sampler s0: point border black
// sampler s1: point wrap
// source: learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_static_border_color ("D3D12_STATIC_BORDER_COLOR_OPAQUE_BLACK: Indicates black, with the alpha component as fully opaque"); ne-d3d12-d3d12_texture_address_mode (WRAP: "Tile the texture at every (u,v) integer junction"); dx-graphics-hlsl-to-sample (Offset)
#include "resource_stages.hlsli"
Texture2D<float4> colours : register(t0);
Texture2D<float> row : register(t1);
SamplerState black : register(s0);
SamplerState wrap : register(s1);
float4 PSMain() : SV_Target
{
    float4 outside = colours.Sample(black, float2(-0.5, 0.5));
    return float4(outside.r, outside.a, row.Sample(wrap, float2(0.875, 0.5), int2(1, 0)), row.Sample(wrap, float2(0.125, 0.5), int2(-1, 0)));
}
