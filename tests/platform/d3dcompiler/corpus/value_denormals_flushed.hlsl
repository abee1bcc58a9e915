// Windows: 32-bit float arithmetic flushes denormals to zero on its inputs
// and outputs; moves keep them.
// verdict: accepted
// probe: 0 0 1 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3d11/floating-point-rules ("Denorms are flushed to sign-preserved zero on input and output of any floating-point mathematical operation. Exceptions are made for any I/O or data movement operation that doesn't manipulate the data.")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint zero = (uint)(position.x - 0.5);
    float tiny = asfloat(1u + zero);                // the smallest denormal
    float normal = asfloat(0x00800000u + zero);     // the smallest normal
    float halved = normal * 0.5;                    // a denormal result
    float one = position.x * 2.0;
    return float4(asuint(tiny * 8388608.0), asuint(halved), asuint(tiny), asuint(tiny * one));
}
