// Windows: a double converts to float by rounding to nearest: 1 + 2^-24 + 2^-40 becomes 1 + 2^-23, and 1 + 2^-25 becomes 1.
// verdict: accepted
// probe: 1 0 1 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dtof--sm5---asm- (double to float conversion) and dx-graphics-hlsl-asdouble (lowbits, highbits); Direct3D's floating-point rules (round to nearest even)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint zero = (uint)(position.x - 0.5);
    double one = (double)(position.x * 2.0);
    double up = one + asdouble(zero, 0x3E700000u) + asdouble(zero, 0x3D700000u);
    double down = one + asdouble(zero, 0x3E600000u);
    return float4(((float)up - 1.0) * 8388608.0, ((float)down - 1.0) * 8388608.0, (float)one, 0);
}
