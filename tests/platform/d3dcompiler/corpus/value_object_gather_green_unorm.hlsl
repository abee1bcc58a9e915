// Windows: GatherGreen of an R8G8B8A8_UNORM texture gives the four texels' converted green values in the order (u0,v1), (u1,v1), (u1,v0), (u0,v0).
// verdict: accepted
// probe: 3 4 2 1
// group: resources
// texture t0: 2d r8g8b8a8_unorm 2x2 : 0x00000100 0x00000200 0x00000300 0x00000400
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-gathergreen; learn.microsoft.com/windows/win32/direct3dhlsl/gather4--sm5---asm- ("the four texels ... (u0,v1), (u1,v1), (u1,v0), (u0,v0)")
#include "resource_stages.hlsli"
Texture2D<float4> colours : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return round(colours.GatherGreen(nearest, float2(0.5, 0.5)) * 255);
}
