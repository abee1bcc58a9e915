// Windows: an assignment is an expression whose value is what was stored,
// so assignments chain right to left and a compound assignment may stand
// inside a larger expression.
// verdict: accepted
// probe: 8 10 10 9
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (assignment operators; "operators ... follow the same precedence as C")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float a, b, c;
    a = b = c = one * 3; // 3 3 3
    float d = (a += 2) * 2; // a 5, d 10
    float4 v = 0;
    v.x = v.y = a;
    int i = 0;
    int j = (i = 4) + 1;
    return float4(a + b, d, v.x + v.y, j + i);
}
