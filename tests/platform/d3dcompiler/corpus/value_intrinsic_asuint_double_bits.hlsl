// Windows: asuint(double, out low, out high) gives the double's low and high
// 32 bits: 0.1L is 0x3FB999999999999A, -0 has only the sign bit, -2.5L is
// 0xC004000000000000, and INF comes back as it went in.
// verdict: accepted
// probe: 2576980378 1069128089 2147483648 3221487616
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/asuint ("void asuint(in double value, out uint lowbits, out uint highbits)") and dx-graphics-hlsl-asdouble (lowbits, highbits); the bits are IEEE 754's binary64
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    double scale = (double)(position.x * 2.0);
    uint low;
    uint high;
    asuint(0.1L * scale, low, high);
    uint zeroLow;
    uint zeroHigh;
    asuint(-0.0L * scale, zeroLow, zeroHigh);
    uint negativeLow;
    uint negativeHigh;
    asuint(-2.5L * scale, negativeLow, negativeHigh);
    uint infLow;
    uint infHigh;
    asuint(asdouble(0u, 0x7FF00000u) * scale, infLow, infHigh);
    bool infKept = infLow == 0u && infHigh == 0x7FF00000u && zeroLow == 0u && negativeLow == 0u;
    return float4(low, high, zeroHigh, infKept ? negativeHigh : 0u);
}
