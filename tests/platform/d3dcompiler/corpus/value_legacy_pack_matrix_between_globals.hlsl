// Windows: #pragma pack_matrix applies to the declarations after it only: the
// first global matrix is column-major, the one after the pragma row-major.
// verdict: accepted
// probe: 4 9 1 12
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-pack-matrix ("#pragma pack_matrix" sets the matrix packing of the declarations that follow it; column-major by default) and dx-graphics-hlsl-per-component-math
#include "probe_stages.hlsli"
float2x2 a;
#pragma pack_matrix(row_major)
float2x2 b;
float4 PSMain() : SV_Target
{
    return float4(a._12, b._12, a._21, b._21);
}
