// Windows: operators bind as in C: == before &, + before <<, & before ^
// before |, unary ! before ==, and * / % left to right.
// verdict: accepted
// probe: 1 8 7 4
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators ("Operator precedence and associativity ... are the same as C"; the table of operators by precedence)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int one = int(position.x * 2.0);
    int a = 3 * one;
    int masked = a & 5 == 5;      // a & (5 == 5): 3 & 1
    int shifted = one << 2 + 1;   // 1 << 3
    int mixed = 4 | a ^ 6 & 5;    // 4 | (3 ^ (6 & 5)): 4 | 7
    int chain = 20 / 2 % 6 * one; // ((20 / 2) % 6) * 1
    return float4(masked, shifted, mixed, chain);
}
