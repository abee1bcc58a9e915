// Windows: #if takes C's integer operators: arithmetic, shifts, comparison,
// logic, ?: and parentheses, with C's precedence.
// verdict: accepted
// probe: 1 2 3 4
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if ("#if constant-expression": an integer constant expression as in C)
#include "probe_stages.hlsli"
#if (7 / 2 == 3) && (7 % 3 == 1) && (1 << 4 == 16) && (-8 >> 1 == -4) && !0
#define FIRST 1
#else
#define FIRST 0
#endif
#if (2 + 3 * 4 == 14) && ((1 ? 2 : 3) == 2) && (5 & 3) == 1 && (5 | 2) == 7 && (5 ^ 1) == 4 && ~0 == -1
#define SECOND 2
#else
#define SECOND 0
#endif
#if 0x10 == 16 && 010 == 8 && 1 < 2 && 2 <= 2 && 3 > 2 && 3 >= 3 && 1 != 2
#define THIRD 3
#else
#define THIRD 0
#endif
#if 0 || (1 && 0) || !1
#define FOURTH 0
#else
#define FOURTH 4
#endif
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(FIRST, SECOND, THIRD, FOURTH + position.x * 0.0);
}
