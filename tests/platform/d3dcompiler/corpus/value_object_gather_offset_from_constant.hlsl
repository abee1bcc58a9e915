// Windows: at shader model 5.0 Gather's offset may be computed (gather4_po takes it from a register), and it moves the four texels gathered as a literal one does.
// verdict: accepted
// probe: 5 6 2 1
// group: resources
// texture t0: 2d r32_float 4x4 : 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/gather4-po--sm5---asm- ("instead of supporting an immediate offset [-8..7], the offset is a parameter to the instruction"; shader model 5); texture2d-gather--s-float-int- (Offset); dx-graphics-hlsl-to-gather (counter-clockwise order from the lower left)
#include "resource_stages.hlsli"
cbuffer Sequence : register(b0)
{
    float zero;
    float one;
};
Texture2D<float> grid : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return grid.Gather(nearest, float2(0.25, 0.25), int2((int)one, (int)zero));
}
