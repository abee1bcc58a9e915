// Windows: a Texture1DArray's and a Texture2DArray's Load take an offset after the location (slice and level in it), and SampleGrad of a Texture2DArray an int2 offset after the gradients.
// verdict: accepted
// probe: 4 13 12 0
// group: resources
// texture t0: 1darray r32_float 4 slices 2 : 1 2 3 4  5 6 7 8
// texture t1: 2darray r32_float 2x2 slices 2 : 0 1 2 3  10 11 12 13
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture1darray-load ("Load(int3 Location, int Offset)"), texture2darray-load ("Load(int4 Location, int2 Offset)"), dx-graphics-hlsl-to-samplegrad (Texture2DArray: float2 gradients, int2 offset); dx-graphics-hlsl-to-load ("zero for any resource that is accessed out of bounds")
#include "resource_stages.hlsli"
Texture1DArray<float> rows : register(t0);
Texture2DArray<float> layers : register(t1);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float row = rows.Load(int3(1, 0, 0), 2);
    float layer = layers.Load(int4(0, 0, 1, 0), int2(1, 1));
    float graded = layers.SampleGrad(nearest, float3(0.75, 0.25, 1), float2(0, 0), float2(0, 0), int2(-1, 1));
    return float4(row, layer, graded, rows.Load(int3(3, 1, 0), 1));
}
