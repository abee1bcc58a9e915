// Windows: &, |, ^ and ~ apply to integer matrices component by component.
// verdict: accepted
// probe: 8 14 4 7
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (bitwise operators: "valid only on int and uint data types"; "operators ... on a per-component basis") and dx-graphics-hlsl-per-component-math
#include "probe_stages.hlsli"
float4 PSMain() : SV_Target
{
    int2x2 a = int2x2(12, 10, 7, -8);
    int2x2 b = int2x2(10, 6, 3, 1);
    return float4((a & b)[0].x, (a | b)[0].y, (a ^ b)[1].x, (~a)[1].y);
}
