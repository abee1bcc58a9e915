// Windows: a TextureCube's and a TextureCubeArray's Gather and GatherRed have overloads with a status and no offset; they gather the face's four texels, and CheckAccessFullyMapped of the status is true.
// verdict: accepted
// probe: 3 4 2 2
// group: resources
// texture t0: cube r32_float 2x2 : 1 2 3 4  5 5 5 5  6 6 6 6  7 7 7 7  8 8 8 8  9 9 9 9
// texture t1: cubearray r32_float 2x2 slices 12 : 0 0 0 0  0 0 0 0  0 0 0 0  0 0 0 0  0 0 0 0  0 0 0 0  1 2 3 4  5 5 5 5  6 6 6 6  7 7 7 7  8 8 8 8  9 9 9 9
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/tcube-gather-s-float-uint- ("Gather(SamplerState S, float3 Location, out uint Status)"), texturecube-gather (overloads (S, float) and (S, float, uint)), texturecubearray-gatherred; checkaccessfullymapped; dx-graphics-hlsl-to-gather (order (u0,v1), (u1,v1), (u1,v0), (u0,v0))
#include "resource_stages.hlsli"
TextureCube<float> sky : register(t0);
TextureCubeArray<float> skies : register(t1);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    uint status, arrayStatus;
    float4 face = sky.Gather(nearest, float3(1, 0, 0), status);
    float4 second = skies.GatherRed(nearest, float4(1, 0, 0, 1), arrayStatus);
    uint mapped = (CheckAccessFullyMapped(status) ? 1 : 0) + (CheckAccessFullyMapped(arrayStatus) ? 1 : 0);
    return float4(face.xy, second.z, mapped);
}
