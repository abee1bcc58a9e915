// Windows: a Texture2DArray in an array of textures gathers with four offsets, computed or literal, and a status, component i from the gather at offset i within the slice.
// verdict: accepted
// probe: 14 10 13 1
// group: resources
// texture t0: 2darray r32_float 2x2 slices 2 : 0 0 0 0  0 0 0 0
// texture t1: 2darray r32_float 2x2 slices 2 : 0 1 2 3  10 11 12 13
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/t2darray-gatherred-s-float-int2-int2-int2-int2-uint- ("GatherRed(S, float3 Location, int2 Offset1, ..., int2 Offset4, out uint Status)"); gather4-po--sm5---asm- (computed offsets); dx-graphics-hlsl-to-gather (order (u0,v1), (u1,v1), (u1,v0), (u0,v0)); resource arrays take a register per element (dx-graphics-hlsl-variable-register)
#include "resource_stages.hlsli"
cbuffer Sequence : register(b0)
{
    float zero;
    float one;
};
Texture2DArray<float> maps[2] : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    uint status;
    float4 reds = maps[1].GatherRed(nearest, float3(0.5, 0.5, 1), int2((int)one, 0), int2(-1, -1), int2(0, -(int)one), int2(0, 0), status);
    return float4(reds.x + 1, reds.y, reds.z + 2, CheckAccessFullyMapped(status) ? 1 : 0);
}
