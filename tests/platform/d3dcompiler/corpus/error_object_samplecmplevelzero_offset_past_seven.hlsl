// Windows: SampleCmpLevelZero's offset is an immediate in -8 to 7 like Sample's: -9 is X4566.
// verdict: compile-error PSMain X4566
// group: resources
// error text: offset texture instructions must take offset which can resolve to integer literal in the range -8 to 7
// texture t0: 2d r32_float 4x4 depth-stencil
// sampler s0: point clamp less
// source: fxc's "error X4566: offset texture instructions must take offset which can resolve to integer literal in the range -8 to 7", quoted in DirectXShaderCompiler issue 2713; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplecmplevelzero (Offset)
#include "resource_stages.hlsli"
Texture2D<float> depths : register(t0);
SamplerComparisonState nearer : register(s0);
float4 PSMain() : SV_Target
{
    return depths.SampleCmpLevelZero(nearer, float2(0.5, 0.5), 0.5, int2(-9, 0));
}
