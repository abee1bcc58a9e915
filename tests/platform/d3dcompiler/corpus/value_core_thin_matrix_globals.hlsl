// Windows: thin matrices among the globals the program sets pack as in a
// constant buffer: a float1x3 three registers, a float2x1 one column after
// it in the third, and both multiply as matrices.
// verdict: accepted
// probe: 0 4 8 9
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix ordering: column-major by default, each column in a register; row_major each row) and dx-graphics-hlsl-packing-rules (arrays not packed, each element in a four-component vector) and dx-graphics-hlsl-mul
#include "probe_stages.hlsli"
float1x3 row;
float2x1 column;
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float1x2 picked = mul(row, float3x2(1, 0, 0, 1, 0, 0));
    float1x3 whole = mul(row, float3x3(1, 0, 0, 0, 1, 0, 0, 0, 1));
    return float4(picked._11, picked._12, whole._13, column._11);
}
