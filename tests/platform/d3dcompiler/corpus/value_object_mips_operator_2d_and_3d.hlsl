// Windows: mips[level][location] reads a texel of the given level of a Texture2D (uint2 location) and of a Texture3D (uint3), and a level past the view's reads 0.
// verdict: accepted
// probe: 4 9 107 0
// group: resources
// texture t0: 2d r32_float 2x2 mips 2 : 1 2 3 4  9
// texture t1: 3d r32_float 2x2x2 mips 2 : 100 101 102 103 104 105 106 107  200
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2d-mipsoperatorindex ("mips[mipSlice][pos]"), sm5-object-texture3d-mipsoperatorindex; dx-graphics-hlsl-to-load ("zero for any resource that is accessed out of bounds")
#include "resource_stages.hlsli"
Texture2D<float> flat : register(t0);
Texture3D<float> volume : register(t1);
float4 PSMain() : SV_Target
{
    return float4(flat.mips[0][uint2(1, 1)], flat.mips[1][uint2(0, 0)], volume.mips[0][uint3(1, 1, 1)], volume.mips[3][uint3(0, 0, 0)]);
}
