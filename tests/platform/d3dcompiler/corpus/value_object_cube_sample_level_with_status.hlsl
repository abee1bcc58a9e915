// Windows: a TextureCube's SampleLevel has an overload with a status after the level; it samples as without it, and CheckAccessFullyMapped of the status is true.
// verdict: accepted
// probe: 6 9 1 0
// group: resources
// texture t0: cube r32_float 2x2 : 1 2 3 4  5 5 5 5  6 6 6 6  7 7 7 7  8 8 8 8  9 9 9 9
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texturecube-samplelevel (the overload "SampleLevel(S, float3 Location, float LOD, uint Status)"); checkaccessfullymapped; learn.microsoft.com/windows/win32/api/d3d11/ne-d3d11-d3d11_texturecube_face (faces +X, -X, +Y, -Y, +Z, -Z)
#include "resource_stages.hlsli"
TextureCube<float> sky : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    uint status;
    float up = sky.SampleLevel(nearest, float3(0, 1, 0), 0, status);
    return float4(up, sky.SampleLevel(nearest, float3(0, 0, -1), 0), CheckAccessFullyMapped(status) ? 1 : 0, 0);
}
