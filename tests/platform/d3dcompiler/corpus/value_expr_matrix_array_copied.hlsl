// Windows: an array of matrices initialised from another is a copy of it.
// verdict: accepted
// probe: 8 2 0 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (an array initialised from a value of its type)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 matrices[2];
    matrices[0] = float2x2(1, 2, 3, 4) * one;
    matrices[1] = float2x2(5, 6, 7, 8) * one;
    float2x2 copy[2] = matrices;
    matrices[1]._22 = 0;
    return float4(copy[1]._22, copy[0]._12, matrices[1]._22, 1);
}
