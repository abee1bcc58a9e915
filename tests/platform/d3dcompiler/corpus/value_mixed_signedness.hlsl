// Windows: an operation on an int and a uint converts the int to uint, so
// -1 compares above 1u and -1 / 2u is 0x7FFFFFFF; an int and a float give a
// float.
// verdict: accepted
// probe: 0 1 2147483647 -0.5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (int and uint) and dx-graphics-hlsl-operators (binary operators convert their operands to a common type, as in C)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int minusOne = (int)(-position.x * 2.0);
    uint one = (uint)(position.x * 2.0);
    return float4(minusOne < one, minusOne > one, minusOne / (one * 2u), minusOne / 2.0);
}
