// Windows: GetDimensions has float overloads beside the uint ones; with a mip level they give that level's size (halved, never below 1), the array's elements (a cube array's cubes) and the number of levels.
// verdict: accepted
// probe: 4 2 3 2223
// group: resources
// texture t0: 1darray r32_float 8 mips 3 slices 2
// texture t1: cubearray r32_float 4x4 mips 3 slices 12
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture1darray-getdimensions ("GetDimensions(UINT MipLevel, out float Width, out float Elements, out float NumberOfLevels)"); texturecubearray-getdimensions ("GetDimensions(UINT MipLevel, out float Width, out float Height, out float Elements, out float NumberOfLevels)")
#include "resource_stages.hlsli"
Texture1DArray<float> rows : register(t0);
TextureCubeArray<float> cubes : register(t1);
float4 PSMain() : SV_Target
{
    float width, elements, levels;
    rows.GetDimensions(1, width, elements, levels);
    float cubeWidth, cubeHeight, cubeCount, cubeLevels;
    cubes.GetDimensions(1, cubeWidth, cubeHeight, cubeCount, cubeLevels);
    return float4(width, elements, levels, cubeWidth * 1000 + cubeHeight * 100 + cubeCount * 10 + cubeLevels);
}
