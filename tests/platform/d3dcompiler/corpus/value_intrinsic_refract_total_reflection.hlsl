// Windows: refract gives a zero vector when the angle is too great for
// eta (total internal reflection); head on it keeps the direction.
// verdict: accepted
// probe: 5 0 -1 0
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-refract ("If the angle between i and n is too great for a given eta, refract returns (0,0,0)")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float3 n = float3(0, 1, 0);
    float3 t = refract(float3(0.8, -0.6, 0), n, h * 3.0); // eta 1.5
    float3 s = refract(float3(0, -1, 0), n, h);           // eta 0.5
    return float4(t.x + 5.0, t.y, s.y, s.x);
}
