// Windows: a Texture1DArray's Load takes (x, slice, mip), SampleLevel a (u, slice) coordinate, and GetDimensions with a mip level gives that level's width, the slices and the levels.
// verdict: accepted
// probe: 7 20 60 222
// group: resources
// texture t0: 1darray r32_float 4 mips 2 slices 2 : 1 2 3 4  10 20  5 6 7 8  50 60
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture1darray-load ("Location: The texture coordinates; the last component specifies the mipmap level"), texture1darray-samplelevel, texture1darray-getdimensions ("GetDimensions(UINT MipLevel, out UINT Width, out UINT Elements, out UINT NumberOfLevels)")
#include "resource_stages.hlsli"
Texture1DArray<float> rows : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    uint width, elements, levels;
    rows.GetDimensions(1, width, elements, levels);
    return float4(rows.Load(int3(2, 1, 0)), rows.Load(int3(1, 0, 1)), rows.SampleLevel(nearest, float2(0.6, 1), 1), width * 100 + elements * 10 + levels);
}
