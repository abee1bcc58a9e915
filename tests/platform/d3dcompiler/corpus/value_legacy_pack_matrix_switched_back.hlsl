// Windows: a global after #pragma pack_matrix(column_major) is column-major
// again, though one before it followed #pragma pack_matrix(row_major).
// verdict: accepted
// probe: 1 12 4 9
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-pack-matrix ("#pragma pack_matrix" sets the matrix packing of the declarations that follow it) and dx-graphics-hlsl-per-component-math
#include "probe_stages.hlsli"
#pragma pack_matrix(row_major)
float2x2 a;
#pragma pack_matrix(column_major)
float2x2 b;
float4 PSMain() : SV_Target
{
    return float4(a._12, b._12, a._21, b._21);
}
