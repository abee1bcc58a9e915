// Windows: a Texture1D's Load takes x and the mip level; GetDimensions with a mip level gives that level's width and the level count.
// verdict: accepted
// probe: 12 21 13 22
// group: resources
// texture t0: 1d r32_float 4 mips 2 : 10 11 12 13 20 21
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("Texture1D, Texture2DMS: int2"); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-getdimensions
#include "resource_stages.hlsli"
Texture1D<float> row : register(t0);
float4 PSMain() : SV_Target
{
    uint width, levels;
    row.GetDimensions(1, width, levels);
    return float4(row.Load(int2(2, 0)), row.Load(int2(1, 1)), row[3], width * 10 + levels);
}
