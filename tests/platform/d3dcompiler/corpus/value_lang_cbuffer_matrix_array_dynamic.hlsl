// Windows: each matrix of a constant buffer array starts a register and
// takes one per column (column-major); an element indexed at run time
// reads its own registers.
// verdict: accepted
// probe: 9 12 13 16
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (arrays: each element starts a register) and dx-graphics-hlsl-per-component-math (column-major by default: a column per register)
#include "probe_stages.hlsli"
cbuffer Values : register(b0)
{
    float2x2 matrices[2]; // [0]: c0.xy, c1.xy; [1]: c2.xy, c3.xy
    float4 after;         // c4
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int i = int(position.x * 2.0); // 1
    float2x2 m = matrices[i];
    return float4(m[1][0], m[0][1], m[1][1], after.x);
}
