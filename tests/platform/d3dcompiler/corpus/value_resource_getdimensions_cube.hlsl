// Windows: a TextureCube's GetDimensions gives a face's width and height, with a mip level also the level count.
// verdict: accepted
// probe: 2 22 4 4
// group: resources
// texture t0: cube r32_float 4x4 mips 2
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-getdimensions (TextureCube: width, height; "UINT MipLevel, out width, out height, out NumberOfLevels")
#include "resource_stages.hlsli"
TextureCube<float> sky : register(t0);
float4 PSMain() : SV_Target
{
    uint width, height, count;
    sky.GetDimensions(1, width, height, count);
    float faceWidth, faceHeight;
    sky.GetDimensions(faceWidth, faceHeight);
    return float4(width, height * 10 + count, faceWidth, faceHeight);
}
