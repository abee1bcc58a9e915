// Windows: % of signed integers takes the dividend's sign also where the
// operands are constants passed to a function, which the compiler folds.
// verdict: accepted
// probe: -1 1 -1 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (the remainder operator on integers, as C's) and the fxc instruction sequence for signed remainders (udiv of the magnitudes, the dividend's sign applied), which folds the same way
#include "probe_stages.hlsli"
int Remainder(int a, int b)
{
    return a % b;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int2 folded = int2(Remainder(-7, 2), Remainder(7, -2));
    int dynamicMinusSeven = -7 * int(position.x * 2.0);
    return float4(folded.x, folded.y, Remainder(dynamicMinusSeven, 2), Remainder(-dynamicMinusSeven, -2));
}
