// Windows: a double in a constant buffer is read from two 32-bit words, the low word first: with floats 0, 1, 2, 3 in the buffer's first register, d is 2^-7 and v.y is 32 + 2^-17.
// verdict: accepted
// probe: 0.0078125 32.0000076 0 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (a double takes two 32-bit components) and dx-graphics-hlsl-asdouble (lowbits, then highbits); the words are floats 0.0 (0x00000000), 1.0 (0x3F800000), 2.0 (0x40000000) and 3.0 (0x40400000)
#include "probe_stages.hlsli"
cbuffer Doubles : register(b0)
{
    double d;
    double v_y;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4((float)d, (float)v_y, 0, 1);
}
