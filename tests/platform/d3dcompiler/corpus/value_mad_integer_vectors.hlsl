// Windows: mad takes integer scalars and vectors as it takes floats, m * a + b
// per component in 32-bit integers (unsigned sums wrap), a scalar operand
// taken for each component.
// verdict: accepted
// probe: 10 14 7 -8
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/mad ("numeric mad(in numeric mvalue, ...)"; "The result of mvalue * avalue + bvalue") and dx-graphics-hlsl-per-component-math
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int n = int(position.x * 2.0);
    uint2 u = mad(uint2(n, 3), uint2(4, 5), uint2(6, 0xFFFFFFFF));
    int3 v = mad(int3(n, -2, 3), -3, int3(1, 1, 1));
    return float4(u.x, u.y, v.y, v.z);
}
