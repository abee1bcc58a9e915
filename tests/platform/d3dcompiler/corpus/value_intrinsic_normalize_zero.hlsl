// Windows: normalize(x) is x / length(x), so a zero vector gives NaN
// (0 / 0); the length of a zero vector is 0.
// verdict: accepted
// probe: 1 0 0.6 0.8
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-normalize ("x / length(x)") and windows/win32/direct3d11/floating-point-rules (0 * INF and 0 / 0 are NaN)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float zero = position.x - 0.5;
    float3 n = normalize(float3(zero, zero, zero));
    float2 v = normalize(float2(3, 4) * position.x);
    return float4(isnan(n.x), length(float3(zero, zero, zero)), v.x, v.y);
}
