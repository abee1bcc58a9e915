// Windows: an R8G8B8A8_SNORM texel reads as each signed byte over 127, and -128 reads as -1 like -127.
// verdict: accepted
// probe: -64 -1 -1 1
// group: resources
// texture t0: 2d r8g8b8a8_snorm 1x1 : 0x7f8081c0
// source: learn.microsoft.com/windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion ("SNORM: ... the maximum negative value -2^(n-1) and -2^(n-1)+1 both map to -1.0f")
#include "resource_stages.hlsli"
Texture2D<float4> signedColours : register(t0);
float4 PSMain() : SV_Target
{
    float4 texel = signedColours.Load(int3(0, 0, 0));
    return float4(round(texel.r * 127), texel.g, texel.b, texel.a);
}
