// Windows: SampleBias, SampleGrad, SampleLevel and Sample each take an immediate texel offset that moves the texel they read.
// verdict: accepted
// probe: 6 9 4 15
// group: resources
// texture t0: 2d r32_float 4x4 : 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplebias, dx-graphics-hlsl-to-samplegrad, dx-graphics-hlsl-to-samplelevel, dx-graphics-hlsl-to-sample ("Offset: An optional texture coordinate offset, which can be used for any texture-object type; the offset is applied to the location before sampling")
#include "resource_stages.hlsli"
Texture2D<float> grid : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float2 at = float2(0.375, 0.375);
    return float4(grid.SampleBias(nearest, at, 0, int2(1, 0)), grid.SampleGrad(nearest, at, float2(0, 0), float2(0, 0), int2(0, 1)), grid.SampleLevel(nearest, at, 0, int2(-1, 0)), grid.Sample(nearest, at, int2(2, 2)));
}
