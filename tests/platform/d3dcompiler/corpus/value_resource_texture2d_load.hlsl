// Windows: Load reads the texel at (x, y) of the mip level in the location's last component, unfiltered.
// verdict: accepted
// probe: 5 6 7 8
// group: resources
// texture t0: 2d r32g32b32a32_float 2x2 : 1 2 3 4  5 6 7 8  9 10 11 12  13 14 15 16
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("Location: The texture coordinates; the last component specifies the mipmap level")
#include "resource_stages.hlsli"
Texture2D<float4> colours : register(t0);
float4 PSMain() : SV_Target
{
    return colours.Load(int3(1, 0, 0));
}
