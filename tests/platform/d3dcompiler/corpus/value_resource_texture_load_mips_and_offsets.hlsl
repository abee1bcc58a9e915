// Windows: Load's last location component picks the mip level, its offset moves the texel, mips[level][xy] and [xy] read texels of a level and of level 0.
// verdict: accepted
// probe: 103 6 200 15
// group: resources
// texture t0: 2d r32_float 4x4 mips 3 : 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15  100 101 102 103  200
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load (Location, Offset); learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2d-mipsslice-operatorindex and sm5-object-texture2d-operatorindex
#include "resource_stages.hlsli"
Texture2D<float> levels : register(t0);
float4 PSMain() : SV_Target
{
    return float4(levels.Load(int3(1, 1, 1)), levels.Load(int3(0, 0, 0), int2(2, 1)), levels.mips[2][uint2(0, 0)], levels[uint2(3, 3)]);
}
