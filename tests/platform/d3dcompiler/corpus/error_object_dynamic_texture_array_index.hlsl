// Windows: at shader model 5.0 an array of textures is indexed by literals only; an index from a constant buffer is X3512.
// verdict: compile-error PSMain X3512
// group: resources
// error text: sampler array index must be a literal expression
// texture t0: 2d r32_float 1x1
// texture t1: 2d r32_float 1x1
// source: fxc's "error X3512: sampler array index must be a literal expression", quoted in DirectXShaderCompiler issue 592 for a resource indexed by a value the shader reads; learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (dynamic indexing of resource arrays comes with shader model 5.1)
#include "resource_stages.hlsli"
cbuffer Choice : register(b0)
{
    uint zero;
    uint one;
};
Texture2D<float> maps[2] : register(t0);
float4 PSMain() : SV_Target
{
    return maps[one].Load(int3(0, 0, 0));
}
