// Windows: Sample takes its mip level from the coordinate's derivatives across the pixel quad; SampleBias adds its bias to that level.
// verdict: accepted
// probe: 100 200 5 0
// group: resources
// texture t0: 2d r32_float 4x4 mips 3 : 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15  100 101 102 103  200
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplebias ("Bias: The bias value ... applied to a mip level before sampling")
#include "resource_stages.hlsli"
Texture2D<float> levels : register(t0);
SamplerState nearest : register(s0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2 uv = position.xy * 0.5;
    return float4(levels.Sample(nearest, uv), levels.SampleBias(nearest, uv, 1), levels.SampleBias(nearest, uv, -1), levels.Sample(nearest, uv * 0.5));
}
