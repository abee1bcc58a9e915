// Windows: a scalar cast to a vector or matrix gives every component its value.
// verdict: accepted
// probe: 2 2 3 3
// group: conversions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-conversions (scalar to vector or matrix replicates it)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float3 v = (float3)(2 * one);
    float2x2 m = (float2x2)(3 * one);
    return float4(v.xz, m._12, m._21);
}
