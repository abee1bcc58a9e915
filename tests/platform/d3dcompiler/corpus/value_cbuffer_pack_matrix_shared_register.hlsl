// Windows: under #pragma pack_matrix(row_major) a float3x3 takes three rows
// of three components, and a float after it is at its last row's w.
// verdict: accepted
// probe: 11 8 10 9
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-pack-matrix and dx-graphics-hlsl-packing-rules (the last register of a matrix is not padded)
#include "probe_stages.hlsli"
#pragma pack_matrix(row_major)
cbuffer Packed : register(b0)
{
    float3x3 m;
    float after;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int two = (int)(position.x * 4.0);
    return float4(after, m[two].x, m._m22, mul(m, float3(0, 1, 0)).z);
}
