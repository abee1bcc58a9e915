// Windows: an R8G8B8A8_UNORM texel reads as each byte over 255, red from the lowest byte.
// verdict: accepted
// probe: 0 64 128 255
// group: resources
// texture t0: 2d r8g8b8a8_unorm 2x1 : 0xff804000 0x000000ff
// source: learn.microsoft.com/windows/win32/direct3d10/d3d10-graphics-programming-guide-resources-data-conversion ("UNORM: ... an n-bit number maps from 0 to 2^n - 1 ... to 0.0f to 1.0f"); learn.microsoft.com/windows/win32/api/dxgiformat/ne-dxgiformat-dxgi_format (DXGI_FORMAT_R8G8B8A8_UNORM)
#include "resource_stages.hlsli"
Texture2D<float4> colours : register(t0);
float4 PSMain() : SV_Target
{
    return round(colours.Load(int3(0, 0, 0)) * 255);
}
