// Windows: tex1D reads a one-dimensional texture at its coordinate, and
// tex1Dlod at the level the coordinate's w names.
// verdict: accepted
// probe: 3 7 0 0
// group: resources
// texture t0: 1d r32_float 4 mips 2 : 1 2 3 4  6 7
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-tex1d ("tex1D(s, t)") and dx-graphics-hlsl-tex1dlod ("The mipmap LOD is specified in t.w")
#include "resource_stages.hlsli"
sampler1D strip : register(s0);
float4 PSMain() : SV_Target
{
    return float4(tex1D(strip, 0.6).x, tex1Dlod(strip, float4(0.9, 0, 0, 1)).x, 0, 0);
}
