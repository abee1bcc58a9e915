// Windows: a global int2x2 that is not static is a constant in $Globals;
// after #pragma pack_matrix(row_major) each row takes a register.
// verdict: accepted
// probe: 1 1 0 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (globals not static are uniform) and dx-graphics-hlsl-appendix-pre-pragma-pack-matrix
#include "probe_stages.hlsli"
#pragma pack_matrix(row_major)
int2x2 g;
float4 PSMain() : SV_Target
{
    return float4(g[0].y == asint(1.0), g[1].x == asint(4.0), 0, 0);
}
