// Windows: a Texture1D's mips[level][x] reads a texel of the level; one past its width reads 0.
// verdict: accepted
// probe: 11 0 3 0
// group: resources
// texture t0: 1d r32_float 4 mips 2 : 0 1 2 3 10 11
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture1d-mipsslice-operatorindex; dx-graphics-hlsl-to-load ("Direct3D guarantees to return zero for any resource that is accessed out of bounds")
#include "resource_stages.hlsli"
Texture1D<float> line : register(t0);
float4 PSMain() : SV_Target
{
    return float4(line.mips[1][1], line.mips[1][2], line.mips[0][3], line[7]);
}
