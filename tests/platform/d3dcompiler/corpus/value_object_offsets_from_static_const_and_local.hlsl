// Windows: an offset that resolves to literals compiles: a static const, a local initialised with literals, arithmetic on literals; each moves the texel as the literal does.
// verdict: accepted
// probe: 6 9 4 15
// group: resources
// texture t0: 2d r32_float 4x4 : 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15
// sampler s0: point clamp
// source: fxc's "offset texture instructions must take offset which can resolve to integer literal in the range -8 to 7" (X4566, quoted in DirectXShaderCompiler issue 2713): what resolves to literals is taken; learn.microsoft.com/previous-versions/direct-x/ee418512(v=vs.85) (its example passes a local "int2 iOffset = int2(2,3)"); dx-graphics-hlsl-to-sample (Offset)
#include "resource_stages.hlsli"
static const int2 kRight = int2(1, 0);
Texture2D<float> grid : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    float2 at = float2(0.375, 0.375);
    int2 down = int2(0, 1);
    const int2 left = -kRight;
    return float4(grid.Sample(nearest, at, kRight), grid.SampleLevel(nearest, at, 0, down), grid.SampleLevel(nearest, at, 0, left), grid.Load(int3(1, 1, 0), int2(4 - 2, 1 + 1)));
}
