// Windows: a Sample offset of 8 is past the immediate range -8 to 7: X4566.
// verdict: compile-error PSMain X4566
// group: resources
// error text: offset texture instructions must take offset which can resolve to integer literal in the range -8 to 7
// texture t0: 2d r32_float 4x4
// sampler s0: point clamp
// source: fxc's "error X4566: offset texture instructions must take offset which can resolve to integer literal in the range -8 to 7", quoted in DirectXShaderCompiler issue 2713 (Sample with offsets out of range or not literal; Gather's offsets are not checked) and pygfx issue 1202; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample (Offset)
#include "offset_stages.hlsli"
float4 PSMain() : SV_Target
{
    return image.Sample(nearest, float2(0.5, 0.5), int2(8, 0));
}
