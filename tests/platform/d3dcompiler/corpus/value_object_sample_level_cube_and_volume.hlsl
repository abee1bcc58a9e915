// Windows: SampleLevel of a TextureCube picks the face its direction points at and the level it names; of a Texture3D the level it names.
// verdict: accepted
// probe: 3 30 100 0
// group: resources
// texture t0: cube r32_float 1x1 mips 1 : 1 2 3 4 5 6
// texture t1: 3d r32_float 2x2x2 mips 2 : 10 10 10 10 30 30 30 30  100
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texturecube-samplelevel, texture3d-samplelevel ("LOD: A number that specifies the mipmap level"); learn.microsoft.com/windows/win32/direct3d9/cubic-environment-mapping (faces +x, -x, +y, -y, +z, -z in that order)
#include "resource_stages.hlsli"
TextureCube<float> cube : register(t0);
Texture3D<float> volume : register(t1);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return float4(cube.SampleLevel(nearest, float3(0, 1, 0), 0), volume.SampleLevel(nearest, float3(0.5, 0.5, 0.75), 0), volume.SampleLevel(nearest, float3(0.5, 0.5, 0.75), 1), 0);
}
