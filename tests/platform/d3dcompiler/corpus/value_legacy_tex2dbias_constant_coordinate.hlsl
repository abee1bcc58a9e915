// Windows: tex2Dbias adds t.w to the level the derivatives give; a coordinate
// that does not vary has no footprint, so a bias of 1 still reads level 0.
// verdict: accepted
// probe: 1 0 0 0
// group: resources
// texture t0: 2d r32_float 2x2 mips 2 : 1 2 3 4  9
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-tex2dbias ("The mipmap LOD is biased by t.w") and learn.microsoft.com/windows/win32/direct3d11/d3d10-graphics-programming-guide-resources-filtering (the level is the log of the footprint, clamped to the view's levels)
#include "resource_stages.hlsli"
sampler2D grid : register(s0);
float4 PSMain() : SV_Target
{
    return float4(tex2Dbias(grid, float4(0.25, 0.25, 0, 1)).x, 0, 0, 0);
}
