// Windows: Sample and SampleLevel move the texel read by their integer offset, in texels.
// verdict: accepted
// probe: 2 4 3 1
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample ("Offset: An optional texture coordinate offset ... an integer"); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplelevel
#include "resource_stages.hlsli"
Texture2D<float> heights : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float2 uv = float2(0.25, 0.25);
    return float4(heights.Sample(nearest, uv, int2(1, 0)), heights.SampleLevel(nearest, uv, 0, int2(1, 1)), heights.SampleLevel(nearest, uv, 0, int2(0, 1)), heights.Sample(nearest, uv));
}
