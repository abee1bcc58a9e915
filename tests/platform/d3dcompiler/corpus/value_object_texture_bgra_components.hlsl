// Windows: a B8G8R8A8_UNORM texel's lowest byte is blue, and the shader reads it as the third component.
// verdict: accepted
// probe: 0 128 255 255
// group: resources
// texture t0: 2d b8g8r8a8_unorm 1x1 : 0xff0080ff
// source: learn.microsoft.com/windows/win32/api/dxgiformat/ne-dxgiformat-dxgi_format ("DXGI_FORMAT_B8G8R8A8_UNORM: A four-component, 32-bit unsigned-normalized-integer format that supports 8 bits for each color channel and 8-bit alpha")
#include "resource_stages.hlsli"
Texture2D<float4> swapped : register(t0);
float4 PSMain() : SV_Target
{
    return round(swapped.Load(int3(0, 0, 0)) * 255);
}
