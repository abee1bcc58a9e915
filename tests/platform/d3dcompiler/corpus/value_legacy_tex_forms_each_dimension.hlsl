// Windows: the bias, grad and proj forms of tex1D, tex3D and texCUBE; with a
// coordinate that does not vary, every form reads level 0.
// verdict: accepted
// probe: 1 1 1 10
// group: resources
// texture t0: 1d r32_float 2 : 1 1
// texture t1: 3d r32_float 1x1x1 : 1
// texture t2: cube r32_float 1x1 : 10 10 10 10 10 10
// sampler s0: point clamp
// sampler s1: point clamp
// sampler s2: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-tex1dbias, dx-graphics-hlsl-tex1dgrad, dx-graphics-hlsl-tex1dproj, dx-graphics-hlsl-tex3dbias, dx-graphics-hlsl-tex3dgrad, dx-graphics-hlsl-tex3dproj, dx-graphics-hlsl-texcubebias, dx-graphics-hlsl-texcubegrad and dx-graphics-hlsl-texcubeproj
#include "resource_stages.hlsli"
sampler1D strip : register(s0);
sampler3D volume : register(s1);
samplerCUBE sky : register(s2);
float4 PSMain() : SV_Target
{
    float a = tex1Dbias(strip, float4(0.5, 0, 0, 1)).x * tex1Dgrad(strip, 0.5, 0, 0).x * tex1Dproj(strip, float4(1, 0, 0, 2)).x;
    float b = tex3Dbias(volume, float4(0.5, 0.5, 0.5, 1)).x * tex3Dgrad(volume, float3(0.5, 0.5, 0.5), float3(0, 0, 0), float3(0, 0, 0)).x * tex3Dproj(volume, float4(1, 1, 1, 2)).x;
    float c = texCUBEbias(sky, float4(1, 0, 0, 1)).x / texCUBEgrad(sky, float3(0, 1, 0), float3(0, 0, 0), float3(0, 0, 0)).x;
    return float4(a, b, c, texCUBEproj(sky, float4(0, 0, 1, 2)).x);
}
