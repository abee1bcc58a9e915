// Windows: textures without registers that the shader never reads are removed before the others are given registers, so third is t0 and second t1.
// verdict: accepted
// probe: 1 2 0 0
// group: resources
// texture t0: 2d r32_float 1x1 : 1
// texture t1: 2d r32_float 1x1 : 2
// source: DirectXShaderCompiler pull request 1687 ("pre-SM5.1 resource allocation algorithm": only registers written in the source are reserved before unused resources are removed) and issue 1660 (fxc gives registers to the resources the shader uses)
#include "resource_stages.hlsli"
Texture2D<float> unused;
Texture2D<float> third;
Texture2D<float> second;
float4 PSMain() : SV_Target
{
    return float4(third.Load(int3(0, 0, 0)), second.Load(int3(0, 0, 0)), 0, 0);
}
