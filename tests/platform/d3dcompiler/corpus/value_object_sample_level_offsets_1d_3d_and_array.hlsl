// Windows: a Texture1D's offset is an int, a Texture3D's an int3, a Texture2DArray's an int2 that moves the texel within the slice.
// verdict: accepted
// probe: 4 13 6 0
// group: resources
// texture t0: 1d r32_float 4 : 1 2 3 4
// texture t1: 2darray r32_float 2x2 slices 2 : 0 1 2 3  10 11 12 13
// texture t2: 3d r32_float 2x2x2 : 0 1 2 3 4 5 6 7
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplelevel (Offset: "Texture1D int, Texture2DArray int2, Texture3D int3")
#include "resource_stages.hlsli"
Texture1D<float> row : register(t0);
Texture2DArray<float> layers : register(t1);
Texture3D<float> volume : register(t2);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return float4(row.SampleLevel(nearest, 0.375, 0, 2), layers.SampleLevel(nearest, float3(0.25, 0.25, 1), 0, int2(1, 1)), volume.SampleLevel(nearest, float3(0.25, 0.25, 0.25), 0, int3(0, 1, 1)), 0);
}
