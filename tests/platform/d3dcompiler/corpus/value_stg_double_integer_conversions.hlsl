// Windows: a uint past 2^31 converts to double unsigned and exactly, an int converts with its sign, and a double converts to int toward zero.
// verdict: accepted
// probe: 2147483648 -7 -3 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/utod--sm5---asm-, itod--sm5---asm- (exact conversions), dtoi--sm5---asm- and dtou--sm5---asm- (round toward zero)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint high = 0x80000000u + (uint)(position.x - 0.5);
    int negative = -7 * (int)(position.x * 2.0);
    double fromUint = (double)high;
    double fromInt = (double)negative;
    double third = fromInt / 2.0;
    return float4((float)fromUint, (float)fromInt, (float)(int)third, (float)(uint)(-third));
}
