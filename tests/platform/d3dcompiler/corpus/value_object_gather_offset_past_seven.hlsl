// Windows: Gather's offset reaches -32 to 31 at shader model 5.0, past the -8 to 7 of Sample's immediate offsets: an offset of 12 gathers twelve texels along.
// verdict: accepted
// probe: 28 29 13 12
// group: resources
// texture t0: 2d r32_float 16x2 : 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15  16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/gather4-po--sm5---asm- ("has a larger range of [-32..31]"); texture2d-gather--s-float-int- (Offset); dx-graphics-hlsl-to-gather (order (u0,v1), (u1,v1), (u1,v0), (u0,v0))
#include "resource_stages.hlsli"
Texture2D<float> strip : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return strip.Gather(nearest, float2(0.0625, 0.5), int2(12, 0));
}
