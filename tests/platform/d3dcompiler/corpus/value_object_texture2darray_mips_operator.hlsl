// Windows: mips[level][uint3(x, y, slice)] of a Texture2DArray reads that level of that slice; Load's int4 takes the slice third and the level fourth.
// verdict: accepted
// probe: 21 13 5 24
// group: resources
// texture t0: 2darray r32_float 2x2 mips 2 slices 2 : 1 2 3 4  5  11 12 13 14  21
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2darray-mips ("Texture2DArray.mips[MipSlice][Location]", location (x, y, array slice)); texture2darray-load ("Location: The texture coordinates; the last component specifies the mipmap level")
#include "resource_stages.hlsli"
Texture2DArray<float> stack : register(t0);
float4 PSMain() : SV_Target
{
    return float4(stack.mips[1][uint3(0, 0, 1)], stack.mips[0][uint3(0, 1, 1)], stack.Load(int4(0, 0, 0, 1)), stack[uint3(1, 1, 1)] + 10);
}
