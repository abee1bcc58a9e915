// Windows: integer matrices are matrices like float ones: constructed, indexed by row.
// verdict: accepted
// probe: 1 2 3 1
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-matrix ("matrix <int, 2, 2>"; any scalar type may be a matrix's component type)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int2x2 m = int2x2(1, 2, 3, (int)(position.x * 2.0));
    return float4(m[0], m[1]);
}
