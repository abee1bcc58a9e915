// Windows: comparisons of matrices give bool matrices, whose components
// && and || combine one by one (never short-circuiting), and which convert
// to 0 and 1 as float matrices.
// verdict: accepted
// probe: 1 0 1 2
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (comparison and logical operators, per component; "HLSL expressions never short-circuit an evaluation because they are vector operations")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 m = float2x2(1, 2, 3, 4) * one;
    bool2x2 over = m > 1.5;     // false true true true
    bool2x2 under = m < 3.5;    // true true true false
    bool2x2 both = over && under;   // false true true false
    bool2x2 either = over || under; // true true true true
    float2x2 counted = both;
    return float4(both._12, both._22, either._11, counted._12 + counted._21);
}
