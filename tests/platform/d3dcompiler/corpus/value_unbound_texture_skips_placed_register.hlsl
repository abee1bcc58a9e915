// Windows: a texture without a register takes the first t register no texture of the source names, even one the shader never reads: second is t1.
// verdict: accepted
// probe: 2 0 0 0
// group: resources
// texture t0: 2d r32_float 1x1 : 1
// texture t1: 2d r32_float 1x1 : 2
// source: fxc's resource bindings for this form (Tex0 : register(t0) unused, Tex1 bound at t1) as DirectXShaderCompiler issue 1660 quotes them; DirectXShaderCompiler pull request 1687 (shader model 5.0 and before reserve the registers written before unused resources are removed)
#include "resource_stages.hlsli"
Texture2D<float> first : register(t0);
Texture2D<float> second;
float4 PSMain() : SV_Target
{
    return float4(second.Load(int3(0, 0, 0)), 0, 0, 0);
}
