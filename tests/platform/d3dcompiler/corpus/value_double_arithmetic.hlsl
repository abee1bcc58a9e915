// Windows: double arithmetic at shader model 5.0 keeps a double's precision,
// and asdouble joins two uints, the low word first.
// verdict: accepted
// probe: 1 0.5 3 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar ("double: 64-bit floating point value") and dx-graphics-hlsl-asdouble ("Reinterprets a cast value (two 32-bit values) into a double"; lowbits, highbits)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint zero = (uint)(position.x - 0.5);
    double big = 16777216.0 * (double)(position.x * 2.0);
    double sum = (big + 1.0) - big;
    double one = asdouble(zero, 0x3FF00000u);
    return float4((float)sum, (float)(one * position.x), (float)(one * 3.0), (float)(sum * one));
}
