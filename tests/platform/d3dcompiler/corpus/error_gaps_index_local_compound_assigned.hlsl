// Windows: a local that starts as a literal and has a value from a constant buffer added to it
// is no literal any more: indexing an array of textures with it is X3512 at shader model 5.0.
// verdict: compile-error PSMain X3512
// group: resources
// error text: sampler array index must be a literal expression
// texture t0: 2d r32_float 1x1 : 1
// texture t1: 2d r32_float 1x1 : 2
// source: fxc's "error X3512: sampler array index must be a literal expression", quoted in DirectXShaderCompiler issue 592; learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (dynamic indexing of resource arrays comes with shader model 5.1)
#include "resource_stages.hlsli"
cbuffer Choice : register(b0)
{
    uint offset;
};
Texture2D<float> maps[2] : register(t0);
float4 PSMain() : SV_Target
{
    uint which = 0;
    which += offset;
    return maps[which].Load(int3(0, 0, 0));
}
