// Windows: GatherRed with four offsets takes each component from the gather at its own offset (the first from the first), and the offsets may be computed.
// verdict: accepted
// probe: 5 9 3 5
// group: resources
// texture t0: 2d r32_float 4x4 : 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/t2d-gatherred-s-float-int2-int2-int2-int2- ("Offset1: The first offset component applied to the texture coordinates before sampling", Offset2 to Offset4 alike); gather4-po--sm5---asm- (the offset a register, dest[.mask]); dx-graphics-hlsl-to-gather (order (u0,v1), (u1,v1), (u1,v0), (u0,v0))
#include "resource_stages.hlsli"
cbuffer Sequence : register(b0)
{
    float zero;
    float one;
    float two;
};
Texture2D<float> grid : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return grid.GatherRed(nearest, float2(0.25, 0.25), int2((int)one, 0), int2(0, 1), int2((int)two, 0), int2(1, (int)one));
}
