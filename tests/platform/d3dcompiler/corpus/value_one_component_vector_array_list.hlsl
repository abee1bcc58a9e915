// Windows: an array of one-component vectors takes an initialiser list of
// scalars, one per element, and its elements are vectors for mul.
// verdict: accepted
// probe: 0.5 1 1.5 2
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (Initial Value: "{ expression, ... }", assigned in order to the variable's components) and dx-graphics-hlsl-vector (float1 is a vector of one component), and dx-graphics-hlsl-mul as value_mul_one_component_vector.hlsl
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float y = position.x; // 0.5
    float1 ones[3] = { y, y * 2.0, y * 3.0 };
    float2x2 m = float2x2(2, 5, 7, 9);
    float2 row = mul(ones[1], m); // 1 * m[0]
    return float4(ones[0].x, ones[1].x, ones[2].x, row.x);
}
