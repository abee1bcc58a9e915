// Windows: a scalar with a matrix is applied to every component, on either
// side of the operator; unary minus negates each component.
// verdict: accepted
// probe: 8 -1 4.5 -1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math ("a scalar is promoted"; the operators act per component) and dx-graphics-hlsl-operators
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float two = position.x * 4.0;
    float2x2 m = float2x2(1, 2, 3, 4);
    float2x2 a = m * two;     // 2 4 6 8
    float2x2 b = 1 - m;       // 0 -1 -2 -3
    float2x2 c = m / two + m; // 1.5 3 4.5 6
    float2x2 d = -m;
    return float4(a._22, b._12, c._21, d[1][0] + a[0][0]);
}
