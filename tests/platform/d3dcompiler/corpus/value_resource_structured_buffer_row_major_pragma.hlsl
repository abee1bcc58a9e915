// Windows: after #pragma pack_matrix(row_major), a StructuredBuffer<float2x3>
// element holds its rows one after another, three floats each.
// verdict: accepted
// probe: 2 4 6 12
// group: resources
// buffer t0: structured 24 2 : 1.0 2.0 3.0 4.0 5.0 6.0 7.0 8.0 9.0 10.0 11.0 12.0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-pack-matrix (the pragma sets the packing of the matrices declared after it) and sm5-object-structuredbuffer; dx-graphics-hlsl-per-component-math (row-major: a row after a row)
#include "resource_stages.hlsli"
#pragma pack_matrix(row_major)
StructuredBuffer<float2x3> matrices : register(t0);
float4 PSMain() : SV_Target
{
    float2x3 first = matrices[0];
    return float4(first._12, first._21, first[1][2], matrices[1]._23);
}
