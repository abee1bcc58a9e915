// Windows: ++ and -- apply to a matrix's every component, to one element
// (m._11++), and to a row (m[1]--), giving the value before or after as
// for scalars.
// verdict: accepted
// probe: 3 3 2 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (unary ++ and -- work per component on any numeric type)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 m = float2x2(1, 2, 3, 4) * one;
    m++;                   // 2 3 4 5
    float before = m._11++; // 2, then m._11 is 3
    m[1]--;                // row 1 is (3, 4)
    m[1]--;                // row 1 is (2, 3)
    return float4(m._11, m._12, m._21, before - one);
}
