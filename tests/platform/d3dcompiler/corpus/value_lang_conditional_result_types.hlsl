// Windows: ?: gives its operands' common type: an int and a float give a
// float, an int and a uint give a uint (-1 becomes 4294967295); unary
// minus of a uint in a float expression is the uint's two's complement.
// verdict: accepted
// probe: 2.5 4294967296 4294967296 1.5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (the conditional operator; the usual arithmetic conversions; unary minus)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    bool no = one < 0.0;
    uint u = (uint)one;
    float mixed = no ? 1 : 2.5;
    float unsignedChoice = no ? 1u : -1;
    float negated = -u;
    return float4(mixed, unsignedChoice, negated, u / 2.0 + 1.0);
}
