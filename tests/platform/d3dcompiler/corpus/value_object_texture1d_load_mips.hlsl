// Windows: a Texture1D's Load takes (x, mip) and an offset; a texel past the level's width reads 0.
// verdict: accepted
// probe: 2 11 1 0
// group: resources
// texture t0: 1d r32_float 4 mips 2 : 0 1 2 3 10 11
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture1d-load (Location "the last component specifies the mipmap level", Offset); dx-graphics-hlsl-to-load ("Direct3D guarantees to return zero for any resource that is accessed out of bounds")
#include "resource_stages.hlsli"
Texture1D<float> line : register(t0);
float4 PSMain() : SV_Target
{
    return float4(line.Load(int2(2, 0)), line.Load(int2(1, 1)), line.Load(int2(2, 0), -1), line.Load(int2(4, 0)));
}
