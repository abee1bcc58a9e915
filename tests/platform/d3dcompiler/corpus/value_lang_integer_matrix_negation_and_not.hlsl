// Windows: unary minus negates each component of an int matrix, ! gives a
// bool matrix true where a component is zero, and ~ complements each bit.
// verdict: accepted
// probe: -2 1 0 -4
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (unary operators -, ! and ~ per component)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = int(position.x * 2.0);
    int2x2 m = int2x2(0, 2, 3, 0) * one;
    int2x2 negated = -m;
    bool2x2 zero = !m;
    int2x2 complemented = ~m;
    return float4(negated._12, zero._11, zero._21, complemented._21);
}
