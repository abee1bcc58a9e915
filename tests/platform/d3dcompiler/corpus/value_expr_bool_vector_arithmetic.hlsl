// Windows: bool vectors in arithmetic are 1 and 0 of the other operand's type;
// two bools add as ints.
// verdict: accepted
// probe: 2.5 1.5 3 2
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-conversions (bool to numeric: true is 1, false 0) and dx-graphics-hlsl-operators (additive and multiplicative operators on any numeric type)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    bool2 b = bool2(one > 0.5, one > 1.5);
    float2 f = b + 1.5;
    int2 n = b * 3;
    bool t = one > 0.5;
    int sum = t + t;
    return float4(f, n.x, sum);
}
