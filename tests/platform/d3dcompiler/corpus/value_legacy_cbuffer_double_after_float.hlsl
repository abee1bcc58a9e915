// Windows: a double after a float takes the register's next 8-byte half, .zw;
// the float after it starts the next register.
// verdict: accepted
// probe: 0 32.0000076 4 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (a double is 8 bytes; a variable does not straddle a 16-byte boundary) and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (double: 64 bits); the words 2.0 and 3.0 read as one double are 32.0000076...
#include "probe_stages.hlsli"
cbuffer Layout : register(b0)
{
    float a;
    double d;
    float after;
};
float4 PSMain() : SV_Target
{
    return float4(a, (float)d, after, 0);
}
