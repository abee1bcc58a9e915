// Windows: an R8G8B8A8_UNORM_SRGB texel's colour reads converted from sRGB to linear (0x80 is 0.2159), its alpha as plain UNORM.
// verdict: accepted
// probe: 0 22 1 128
// group: resources
// texture t0: 2d r8g8b8a8_unorm_srgb 1x1 : 0x80ff8000
// source: learn.microsoft.com/windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion ("Converting from sRGB to linear": ((c + 0.055) / 1.055)^2.4 above 0.04045; "the alpha component is not converted")
#include "resource_stages.hlsli"
Texture2D<float4> photo : register(t0);
float4 PSMain() : SV_Target
{
    float4 texel = photo.Load(int3(0, 0, 0));
    return float4(texel.r, round(texel.g * 100), texel.b, round(texel.a * 255));
}
