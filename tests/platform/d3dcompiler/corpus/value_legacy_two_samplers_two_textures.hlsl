// Windows: two sampler2D variables in s0 and s1 read the textures in t0 and
// t1.
// verdict: accepted
// probe: 1 20 0 0
// group: resources
// texture t0: 2d r32_float 1x1 : 1
// texture t1: 2d r32_float 1x1 : 20
// sampler s0: point clamp
// sampler s1: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-tex2d and dx-graphics-hlsl-variable-register (s# and t# registers)
#include "resource_stages.hlsli"
sampler2D first : register(s0);
uniform sampler2D second : register(s1);
float4 PSMain() : SV_Target
{
    return float4(tex2D(first, float2(0.5, 0.5)).x, tex2D(second, float2(0.5, 0.5)).x, 0, 0);
}
