// Windows: a computed Gather offset keeps its six low bits as a signed value, -32 to 31: -40 gathers as 24, and 33 as -31; the overload with a status wraps alike.
// verdict: accepted
// probe: 24 25 25 1
// group: resources
// texture t0: 2d r32_float 32x1 : 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-gather--s-float-int-uint- (Status); gather4-po--sm5---asm- ("The 6 least significant bits of each offset value are honored as a signed value, yielding [-32..31] range"); dx-graphics-hlsl-to-gather (order (u0,v1), (u1,v1), (u1,v0), (u0,v0))
#include "resource_stages.hlsli"
cbuffer Sequence : register(b0)
{
    float4 registers[11];
};
Texture2D<float> strip : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float2 at = float2(1.0 / 32, 0.5);
    int backward = -(int)registers[10].x;
    int forward = (int)registers[8].y;
    uint status;
    float4 wrapped = strip.Gather(nearest, at, int2(backward, 0), status);
    return float4(wrapped.xy, wrapped.z * (CheckAccessFullyMapped(status) ? 1 : 0), strip.Gather(nearest, float2(1.0, 0.5), int2(forward, 0)).z);
}
