// Windows: asuint(double, out low, out high) splits a double's 64 bits.
// verdict: accepted
// probe: 0 1072693248 0 1073741824
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/asuint ("void asuint(in double value, out uint lowbits, out uint highbits)")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint low;
    uint high;
    asuint((double)(position.x * 2.0), low, high);
    uint low2;
    uint high2;
    asuint((double)(position.x * 4.0), low2, high2);
    return float4(low, high, low2, high2);
}
