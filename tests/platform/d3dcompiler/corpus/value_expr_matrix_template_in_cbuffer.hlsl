// Windows: matrix<float, 2, 2> in a constant buffer is a float2x2, column-major
// by default: one register per column.
// verdict: accepted
// probe: 0 4 1 5
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-matrix (template-style declaration) and dx-graphics-hlsl-packing-rules (each column of a column-major matrix starts a register)
#include "probe_stages.hlsli"
cbuffer Values : register(b0)
{
    matrix<float, 2, 2> m;
};
float4 PSMain() : SV_Target
{
    return float4(m._11, m._12, m._21, m._22);
}
