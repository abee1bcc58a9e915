// Windows: comparison operators work per component on matrices, against a
// matrix or a scalar, and give a bool matrix of the same shape; the
// comparisons bind more tightly than && and ?:.
// verdict: accepted
// probe: 1 0 1 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (comparison operators, "per-component"; precedence of the operators) and dx-graphics-hlsl-matrix (bool is a matrix component type)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float half = position.x; // 0.5
    float2x2 a = float2x2(half, 2, 3, half);
    float2x2 b = float2x2(1, 2, 3, 0);
    bool2x2 less = a < b;         // 1 0 0 0
    bool2x2 equal = a == b;       // 0 1 1 0
    bool2x2 atLeast = a >= 0.5;   // 1 1 1 1
    bool either = a[1].y != 0 && true;
    return float4(less[0].x, less[1].x, equal[0].y + atLeast[1].y - 1, either ? 1 : 0);
}
