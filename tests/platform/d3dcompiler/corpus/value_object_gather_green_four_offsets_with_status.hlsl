// Windows: GatherGreen's overload with four literal offsets and a status reads one component from each offset's gather, and the status reports mapped memory.
// verdict: accepted
// probe: 50 90 30 1
// group: resources
// texture t0: 2d r32g32_float 4x4 : 0 0 1 10 2 20 3 30  4 40 5 50 6 60 7 70  8 80 9 90 10 100 11 110  12 120 13 130 14 140 15 150
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/t2d-gathergreen-s-float-int2-int2-int2-int2-uint- ("Status: The status of the operation ... pass the status to the intrinsic CheckAccessFullyMapped"); dx-graphics-hlsl-to-gather (order (u0,v1), (u1,v1), (u1,v0), (u0,v0))
#include "resource_stages.hlsli"
Texture2D<float2> grid : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    uint status;
    float4 greens = grid.GatherGreen(nearest, float2(0.25, 0.25), int2(1, 0), int2(0, 1), int2(2, 0), int2(1, 1), status);
    return float4(greens.xyz, CheckAccessFullyMapped(status) ? 1 : 0);
}
