// Windows: a structure starts a register and its members pack inside it as
// elsewhere; a float4 after it starts the next register.
// verdict: accepted
// probe: 4 6 8 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (the example "float1 Val1; struct { float4 SVal1; float1 SVal2; } Val2;" takes 3 x 16-byte elements: the structure starts a new vector)
#include "probe_stages.hlsli"
struct Pair
{
    float a;
    float2 b;
};
cbuffer Packed : register(b0)
{
    float x;
    Pair s;
    float4 y;
};
float4 PSMain() : SV_Target
{
    return float4(s.a, s.b.y, y.x, x);
}
