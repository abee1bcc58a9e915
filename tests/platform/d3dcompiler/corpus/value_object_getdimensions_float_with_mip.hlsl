// Windows: GetDimensions's float overload with a mip level gives the level's size and the level count as floats.
// verdict: accepted
// probe: 2 1 4 8
// group: resources
// texture t0: 2d r32_float 8x4 mips 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-getdimensions (Texture2D: "UINT MipLevel, out float Width, out float Height, out float NumberOfLevels")
#include "resource_stages.hlsli"
Texture2D<float> image : register(t0);
float4 PSMain() : SV_Target
{
    float width, height, levels;
    image.GetDimensions(2, width, height, levels);
    float w0, h0, l0;
    image.GetDimensions(0, w0, h0, l0);
    return float4(width, height, levels, w0);
}
