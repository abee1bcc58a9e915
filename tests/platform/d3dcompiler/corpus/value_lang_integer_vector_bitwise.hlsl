// Windows: &, |, ^ and ~ act per component on integer vectors, on the
// two's complement bits of negative values.
// verdict: accepted
// probe: 16 13 -10 -13
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (bitwise operators on int and uint, per component)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = int(position.x * 2.0);
    int3 a = int3(12, -1, 5) * one;
    int3 b = int3(10, 3, ~0) * one;
    int3 both = a & b;    // 8 3 5
    int3 either = a | b;  // 14 -1 -1
    int3 differ = a ^ b;  // 6 -4 -6
    return float4(both.x + both.y + both.z, either.x + either.y, differ.y + differ.z, ~a.x);
}
