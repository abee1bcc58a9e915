// Windows: a sampler bound per profile: for ps_5_0 tex2D reads the sampler
// state in s0 and the texture in t0, not the vs registers s8 and t8.
// verdict: accepted
// probe: 3 0 0 0
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-register (the example "sampler myVar : register( ps, s[2] ) : register( ps_5_0, s[0] ) : register( vs, s[8] )": one register assignment per profile) and dx-graphics-hlsl-tex2d
#include "resource_stages.hlsli"
sampler2D grid : register(vs, s8) : register(ps_5_0, s0);
float4 PSMain() : SV_Target
{
    return float4(tex2D(grid, float2(0.25, 0.75)).x, 0, 0, 0);
}
