// Windows: #pragma pack_matrix(row_major) applies to a matrix declared through
// a typedef after it: _12 lies at c0.y and _21 at c1.x.
// verdict: accepted
// probe: 0 1 4 5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-pack-matrix ("#pragma pack_matrix" sets the packing of the matrices declared after it) and dx-graphics-hlsl-typedef
#include "probe_stages.hlsli"
typedef float2x2 Turn;
#pragma pack_matrix(row_major)
cbuffer Layout : register(b0)
{
    Turn m;
};
float4 PSMain() : SV_Target
{
    return float4(m._11, m._12, m._21, m._22);
}
