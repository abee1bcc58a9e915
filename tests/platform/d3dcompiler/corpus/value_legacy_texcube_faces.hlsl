// Windows: texCUBE reads the cube face its direction points at: +X is the
// first face, -Y the fourth.
// verdict: accepted
// probe: 1 4 0 0
// group: resources
// texture t0: cube r32_float 1x1 mips 1 : 1 2 3 4 5 6
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-texcube ("texCUBE(s, t)") and learn.microsoft.com/windows/win32/direct3d9/cubic-environment-mapping (face order +X, -X, +Y, -Y, +Z, -Z)
#include "resource_stages.hlsli"
samplerCUBE sky : register(s0);
float4 PSMain() : SV_Target
{
    return float4(texCUBE(sky, float3(1, 0, 0)).x, texCUBElod(sky, float4(0, -1, 0, 0)).x, 0, 0);
}
