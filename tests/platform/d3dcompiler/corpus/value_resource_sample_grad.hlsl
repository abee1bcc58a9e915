// Windows: SampleGrad picks the mip level from the gradients given: texels per pixel of 1, 2 and 4 on a 4x4 texture are levels 0, 1 and 2.
// verdict: accepted
// probe: 2 101 200 0
// group: resources
// texture t0: 2d r32_float 4x4 mips 3 : 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15  100 101 102 103  200
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplegrad ("DDX: The rate of change of the surface geometry in the x direction")
#include "resource_stages.hlsli"
Texture2D<float> levels : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float2 uv = float2(0.6, 0.1);
    return float4(levels.SampleGrad(nearest, uv, float2(0.25, 0), float2(0, 0.25)), levels.SampleGrad(nearest, uv, float2(0.5, 0), float2(0, 0.5)), levels.SampleGrad(nearest, uv, float2(1, 0), float2(0, 1)), 0);
}
