// Windows: tex2Dproj divides the coordinate by its w before sampling.
// verdict: accepted
// probe: 2 0 0 0
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-tex2dproj ("The texture coordinate is divided by t.w before the lookup takes place")
#include "resource_stages.hlsli"
sampler2D grid : register(s0);
float4 PSMain() : SV_Target
{
    return float4(tex2Dproj(grid, float4(1.5, 0.5, 0, 2)).x, 0, 0, 0);
}
