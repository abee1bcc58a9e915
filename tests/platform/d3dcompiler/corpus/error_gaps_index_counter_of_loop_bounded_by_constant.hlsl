// Windows: a loop bounded by a constant buffer member cannot be unrolled, so its counter indexing
// an array of textures is no literal at shader model 5.0 and the compile fails.
// verdict: compile-error PSMain -
// group: resources
// texture t0: 2d r32_float 1x1 : 1
// texture t1: 2d r32_float 1x1 : 2
// source: fxc's "error X3512: sampler array index must be a literal expression", quoted in DirectXShaderCompiler issue 592; learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (dynamic indexing of resource arrays comes with shader model 5.1); DirectXShaderCompiler issue 4710 (fxc compiles a resource array indexed by a loop's counter only where the loop is unrolled); the error's number for a loop it cannot unroll was not found quoted
#include "resource_stages.hlsli"
cbuffer Counts : register(b0)
{
    uint count;
};
Texture2D<float> maps[2] : register(t0);
float4 PSMain() : SV_Target
{
    float sum = 0;
    for (uint i = 0; i < count; ++i)
    {
        sum += maps[i].Load(int3(0, 0, 0));
    }
    return float4(sum, 0, 0, 0);
}
