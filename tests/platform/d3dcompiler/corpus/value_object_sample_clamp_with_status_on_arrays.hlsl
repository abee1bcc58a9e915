// Windows: the clamped Sample and SampleBias overloads of array and cube textures also take an out status, which CheckAccessFullyMapped reads as true for a texture with every tile mapped.
// verdict: accepted
// probe: 20 1 60 1
// group: resources
// texture t0: 2darray r32_float 2x2 mips 2 slices 2 : 1 1 1 1  10  2 2 2 2  20
// texture t1: cube r32_float 2x2 mips 2 : 1 1 1 1  10  2 2 2 2  20  3 3 3 3  30  4 4 4 4  40  5 5 5 5  50  6 6 6 6  60
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2darray-sample-s-float-int-float-uint- ("Status: The status of the operation. You can't access the status directly; instead, pass the status to the CheckAccessFullyMapped intrinsic function"); texturecube-samplebias-s-float-float-float-uint-; checkaccessfullymapped
#include "resource_stages.hlsli"
Texture2DArray<float> stack : register(t0);
TextureCube<float> faces : register(t1);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    uint arrayStatus, cubeStatus;
    float fromArray = stack.Sample(nearest, float3(0.4, 0.6, 1), int2(0, 0), 1.0, arrayStatus);
    float fromCube = faces.SampleBias(nearest, float3(0, 0, -1), 0.0, 1.0, cubeStatus);
    return float4(fromArray, CheckAccessFullyMapped(arrayStatus), fromCube, CheckAccessFullyMapped(cubeStatus));
}
