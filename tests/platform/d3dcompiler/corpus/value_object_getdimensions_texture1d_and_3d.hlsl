// Windows: a Texture1D's GetDimensions with a mip level gives the level's width and the level count; a Texture3D's gives width, height and depth.
// verdict: accepted
// probe: 2 3 422 4
// group: resources
// texture t0: 1d r32_float 8 mips 3
// texture t1: 3d r32_float 4x2x2
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-getdimensions (Texture1D: "UINT MipLevel, out Width, out NumberOfLevels"; Texture3D: "out Width, out Height, out Depth")
#include "resource_stages.hlsli"
Texture1D<float> line : register(t0);
Texture3D<float> volume : register(t1);
float4 PSMain() : SV_Target
{
    uint width, levels;
    line.GetDimensions(2, width, levels);
    uint w, h, d;
    volume.GetDimensions(w, h, d);
    float fullWidth;
    line.GetDimensions(fullWidth);
    return float4(width, levels, w * 100 + h * 10 + d, fullWidth / 2);
}
