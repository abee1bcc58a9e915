// Windows: a Load offset read from a constant buffer is no literal: X4566, as for Sample.
// verdict: compile-error PSMain X4566
// group: resources
// error text: offset texture instructions must take offset which can resolve to integer literal in the range -8 to 7
// texture t0: 2d r32_float 4x4
// source: fxc's "error X4566: offset texture instructions must take offset which can resolve to integer literal in the range -8 to 7", quoted in DirectXShaderCompiler issue 2713; learn.microsoft.com/windows/win32/direct3dhlsl/texture2d-load (Offset); ld--sm4---asm- (the offset an immediate, aoffimmi)
#include "resource_stages.hlsli"
cbuffer Choice : register(b0)
{
    int shift;
};
Texture2D<float> grid : register(t0);
float4 PSMain() : SV_Target
{
    return grid.Load(int3(0, 0, 0), int2(shift, 0));
}
