// Windows: #pragma pack_matrix(row_major) makes the matrices declared after it row-major.
// verdict: accepted
// probe: 0 1 2 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-pack-matrix ("#pragma pack_matrix( row_major )")
#include "probe_stages.hlsli"
#pragma pack_matrix(row_major)
cbuffer Matrices : register(b0)
{
    float4x4 m;
};
float4 PSMain() : SV_Target
{
    return m[0];
}
