// Windows: a local declared without a value and then given one the draw gives is no literal, so
// indexing an array of textures with it is X3512 at shader model 5.0.
// verdict: compile-error PSMain X3512
// group: resources
// error text: sampler array index must be a literal expression
// texture t0: 2d r32_float 1x1 : 1
// texture t1: 2d r32_float 1x1 : 2
// source: fxc's "error X3512: sampler array index must be a literal expression", quoted in DirectXShaderCompiler issue 592; learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (dynamic indexing of resource arrays comes with shader model 5.1)
#include "resource_stages.hlsli"
Texture2D<float> maps[2] : register(t0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint which;
    which = (uint)position.x % 2;
    return maps[which].Load(int3(0, 0, 0));
}
