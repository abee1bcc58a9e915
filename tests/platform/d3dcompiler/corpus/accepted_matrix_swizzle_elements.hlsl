// Windows: a swizzle of several matrix elements ("_41_42_43", "_m30_m31")
// reads each named element into a vector; rows count from 1 in "_rc" and
// from 0 in "_mrc".
// verdict: accepted
// group: types
// probe: 3 7 11 5
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix swizzles: "_11_12", "_m00_m01", several elements make a vector); column-major packing of a constant buffer's matrix, as value_column_major_default.hlsl reads it
#include "probe_stages.hlsli"
cbuffer Matrices : register(b0)
{
    float4x4 world;
};
float4 PSMain() : SV_Target
{
    float3 translation = world._41_42_43;
    float2 pair = world._m30_m11;
    return float4(translation, pair.y);
}
