// Windows: tex3D reads a volume texture at its three coordinates.
// verdict: accepted
// probe: 6 8 0 0
// group: resources
// texture t0: 3d r32_float 2x2x2 : 1 2 3 4 5 6 7 8
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-tex3d ("tex3D(s, t)")
#include "resource_stages.hlsli"
sampler3D volume : register(s0);
float4 PSMain() : SV_Target
{
    return float4(tex3D(volume, float3(0.75, 0.25, 0.75)).x, tex3Dlod(volume, float4(0.75, 0.75, 0.75, 0)).x, 0, 0);
}
