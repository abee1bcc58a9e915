// Windows: GetDimensions(mip, width, height, levels) gives the mip level's size and the view's level count; the float overloads give the same as floats.
// verdict: accepted
// probe: 21 3 4 2
// group: resources
// texture t0: 2d r32_float 4x2 mips 3
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-getdimensions (Texture2D: "UINT MipLevel, out width, out height, out NumberOfLevels"; the outputs may be uint or float)
#include "resource_stages.hlsli"
Texture2D<float> levels : register(t0);
float4 PSMain() : SV_Target
{
    uint width, height, count;
    levels.GetDimensions(1, width, height, count);
    float fullWidth, fullHeight;
    levels.GetDimensions(fullWidth, fullHeight);
    return float4(width * 10 + height, count, fullWidth, fullHeight);
}
