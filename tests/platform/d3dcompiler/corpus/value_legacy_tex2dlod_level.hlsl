// Windows: tex2Dlod samples the level its coordinate's w names.
// verdict: accepted
// probe: 9 1 0 0
// group: resources
// texture t0: 2d r32_float 2x2 mips 2 : 1 2 3 4  9
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-tex2dlod ("t: ... The mipmap LOD is specified in t.w")
#include "resource_stages.hlsli"
sampler2D grid : register(s0);
float4 PSMain() : SV_Target
{
    return float4(tex2Dlod(grid, float4(0.75, 0.75, 0, 1)).x, tex2Dlod(grid, float4(0.25, 0.25, 0, 0)).x, 0, 0);
}
