// Windows: a compound assignment computes in the operands' common type and
// converts back to the variable's: int i *= 1.5 truncates the float
// product, uint -= a larger value wraps, float %= keeps the dividend's sign.
// verdict: accepted
// probe: 10 4294967296 -1 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (compound assignments; "the % operator ... on floats") and the conversion rules of dx-graphics-hlsl-scalar (float to int truncates)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    int i = 7 * int(one);
    i *= 1.5;              // 10.5 converted: 10
    uint u = 5u * uint(one);
    u -= 6;                // 4294967295
    float f = -7.0 * one;
    f %= 2;                // -1
    int j = 7 * int(one);
    j /= 2.0;              // 3.5 converted: 3
    return float4(i, (float)u, f, j);
}
