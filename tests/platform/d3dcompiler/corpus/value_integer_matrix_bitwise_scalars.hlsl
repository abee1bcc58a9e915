// Windows: a scalar on either side of a bitwise operator with an integer
// matrix applies to each component.
// verdict: accepted
// probe: 2 11 16 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (bitwise operators, per component) and dx-graphics-hlsl-per-component-math (a scalar promoted to the other operand's shape)
#include "probe_stages.hlsli"
float4 PSMain() : SV_Target
{
    uint2x2 u = uint2x2(1, 2, 3, 4);
    uint2x2 a = 6 & u;
    uint2x2 o = u | 8u;
    uint2x2 s = 1 << u;
    return float4(a._12, o._21, s._22, (~u)._11 == 4294967294u);
}
