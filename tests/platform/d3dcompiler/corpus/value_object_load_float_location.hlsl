// Windows: a float location given to Load converts to int, toward zero.
// verdict: accepted
// probe: 2 3 0 0
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load (Location: int3 for a Texture2D); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-conversions (float to int conversions truncate)
#include "resource_stages.hlsli"
Texture2D<float> grid : register(t0);
float4 PSMain() : SV_Target
{
    float3 at = float3(1.7, 0.9, 0);
    return float4(grid.Load(at), grid.Load(float3(0.2, 1.6, 0.4)), 0, 0);
}
