// Windows: 0xFFFFFFFF held in an int is -1 and in a uint 4294967295; the two
// compare equal, their bits being one.
// verdict: accepted
// probe: -1 4294967296 1 1
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (int and uint 32-bit) and dx-graphics-hlsl-operators (the int operand converts to uint where they meet, as in C)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = (int)(position.x * 2.0);
    int asInt = 0xFFFFFFFF * one;
    uint asUint = 0xFFFFFFFF * (uint)one;
    return float4(asInt, asUint, asInt == asUint, asint(asUint) == -one);
}
