// Windows: int * uint is uint (so a shift is logical), bool * float and
// float * int are float, and uint subtraction wraps.
// verdict: accepted
// probe: 15 2.5 1.5 1
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (int, uint, bool, float) and dx-graphics-hlsl-operators ("binary operators convert their operands to a common type", as in C)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int minusTwo = (int)(-position.x * 4.0);
    uint one = (uint)(position.x * 2.0);
    bool yes = position.x > 0.0;
    return float4((minusTwo * 3u) >> 28, yes * 2.5, position.x * (minusTwo + 5), (0u - one) >> 31);
}
