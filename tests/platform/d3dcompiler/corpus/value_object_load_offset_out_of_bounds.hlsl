// Windows: a Load whose offset moves the texel off the level reads 0, and .mips of a level the view lacks reads 0.
// verdict: accepted
// probe: 0 0 3 0
// group: resources
// texture t0: 2d r32_float 2x2 mips 2 : 1 2 3 4  9
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("Direct3D guarantees to return zero for any resource that is accessed out of bounds"); texture2d-load (Offset applied before the read)
#include "resource_stages.hlsli"
Texture2D<float> grid : register(t0);
float4 PSMain() : SV_Target
{
    return float4(grid.Load(int3(1, 0, 0), int2(1, 0)), grid.Load(int3(0, 0, 0), int2(0, -1)), grid.Load(int3(1, 1, 0), int2(-1, 0)), grid.mips[4][uint2(0, 0)]);
}
