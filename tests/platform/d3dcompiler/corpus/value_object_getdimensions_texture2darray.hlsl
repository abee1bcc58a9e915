// Windows: a Texture2DArray's GetDimensions gives width, height and slice count, and with a mip level the level's size and the level count.
// verdict: accepted
// probe: 42 3 21 2
// group: resources
// texture t0: 2darray r32_float 4x2 mips 2 slices 3
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-getdimensions (Texture2DArray: "out Width, out Height, out Elements" and "UINT MipLevel, out Width, out Height, out Elements, out NumberOfLevels")
#include "resource_stages.hlsli"
Texture2DArray<float> layers : register(t0);
float4 PSMain() : SV_Target
{
    uint width, height, elements;
    layers.GetDimensions(width, height, elements);
    uint mipWidth, mipHeight, mipElements, levels;
    layers.GetDimensions(1, mipWidth, mipHeight, mipElements, levels);
    return float4(width * 10 + height, elements, mipWidth * 10 + mipHeight, levels);
}
