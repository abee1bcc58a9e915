// Windows: outside 0 to 1 a BORDER sampler gives all four components of its border colour: opaque black is (0, 0, 0, 1), opaque white all ones, transparent black all zeros.
// verdict: accepted
// probe: 1 1 0 1
// group: resources
// texture t0: 2d r32g32b32a32_float 1x1 : 5 6 7 8
// sampler s0: point border black
// sampler s1: point border white
// sampler s2: point border transparent
// source: learn.microsoft.com/windows/win32/api/d3d12/ne-d3d12-d3d12_static_border_color ("D3D12_STATIC_BORDER_COLOR_TRANSPARENT_BLACK: Indicates black, with the alpha component as fully transparent"; "OPAQUE_BLACK: ... alpha component as fully opaque"; "OPAQUE_WHITE: Indicates white, with the alpha component as fully opaque")
#include "resource_stages.hlsli"
Texture2D<float4> colour : register(t0);
SamplerState black : register(s0);
SamplerState white : register(s1);
SamplerState clear : register(s2);
float4 PSMain() : SV_Target
{
    float4 b = colour.Sample(black, float2(-0.5, 0.5));
    float4 w = colour.Sample(white, float2(0.5, 1.5));
    float4 c = colour.Sample(clear, float2(2.5, 0.5));
    return float4(all(b == float4(0, 0, 0, 1)), all(w == 1), all(c == 0) ? 0 : 5, colour.Sample(clear, float2(0.5, 0.5)).x - 4);
}
