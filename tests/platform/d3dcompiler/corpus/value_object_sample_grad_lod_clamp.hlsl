// Windows: SampleGrad's overload with a level-of-detail clamp samples no finer than the clamp's level, at the level the gradients give otherwise.
// verdict: accepted
// probe: 200 100 100 0
// group: resources
// texture t0: 2d r32_float 4x4 mips 3 : 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15  100 101 102 103  200
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-samplegrad-s-float-float-float-int-float- ("Clamp: An optional value to clamp sample level-of-detail (LOD) values to. For example, if you pass 2.0f for the clamp value, you ensure that no individual sample accesses a mip level less than 2.0f")
#include "resource_stages.hlsli"
Texture2D<float> levels : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float2 uv = float2(0.1, 0.1);
    float2 fine = float2(0.25, 0);
    float2 coarse = float2(0.5, 0);
    return float4(levels.SampleGrad(nearest, uv, fine, fine.yx, int2(0, 0), 2.0), levels.SampleGrad(nearest, uv, coarse, coarse.yx, int2(0, 0), 0.5), levels.SampleGrad(nearest, uv, fine, fine.yx, int2(0, 0), 1.0), levels.SampleGrad(nearest, uv, fine, fine.yx, int2(0, 0), 0.0));
}
