// Windows: floats cast or reinterpreted to integers take bitwise operators, and a comparison of floats binds before & does.
// verdict: accepted
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (ERR_BINARYTYPE_EXPECTED, 3082: "An int or unsigned int type is required for bitwise operators") and dx-graphics-hlsl-operators (bitwise operators ~, <<, >>, &, |, ^, <<=, >>=, &=, |=, ^=); dx-graphics-hlsl-appendix-operator-precedence (comparisons bind before &, ^ and |)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint column = (uint)position.x & 1;
    uint high = asuint(position.y) >> 16;
    uint mask = 3;
    mask |= (uint)position.y;
    mask ^= 1u << 4;
    int parity = (int)position.x % 2 == 0 & mask > 1;
    return float4(column, high & 0xff, mask & 0xff, parity);
}
