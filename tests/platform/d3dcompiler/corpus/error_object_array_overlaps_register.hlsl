// Windows: an array of two textures at t0 takes t0 and t1, so a texture declared at t1 overlaps it where both are read: X4500.
// verdict: compile-error PSMain X4500
// group: resources
// error text: overlapping register semantics not yet implemented 't1'
// texture t0: 2d r32_float 1x1
// texture t1: 2d r32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (an array takes one register per element); fxc's "error X4500: overlapping register semantics not yet implemented 't0'", quoted in error_x4500_one_register_two_textures.hlsl's source
#include "resource_stages.hlsli"
Texture2D<float> pair[2] : register(t0);
Texture2D<float> single : register(t1);
float4 PSMain() : SV_Target
{
    return pair[1].Load(int3(0, 0, 0)) + single.Load(int3(0, 0, 0));
}
