// Windows: column_major on a declaration overrides #pragma
// pack_matrix(row_major): _12 lies at c1.x.
// verdict: accepted
// probe: 0 4 1 5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-pack-matrix (the pragma sets the default; a row_major or column_major modifier on a declaration takes precedence) and dx-graphics-hlsl-per-component-math
#include "probe_stages.hlsli"
#pragma pack_matrix(row_major)
cbuffer Layout : register(b0)
{
    column_major float2x2 m;
};
float4 PSMain() : SV_Target
{
    return float4(m._11, m._12, m._21, m._22);
}
