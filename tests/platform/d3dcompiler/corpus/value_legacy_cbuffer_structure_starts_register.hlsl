// Windows: a structure after a float starts the next register, and the float
// after its float4 member starts the one after.
// verdict: accepted
// probe: 0 4 7 8
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (the "float1 Val1; struct { float4 SVal1; float1 SVal2; } Val2;" example: 3 x 16 bytes)
#include "probe_stages.hlsli"
struct Block
{
    float4 v;
    float s;
};
cbuffer Layout : register(b0)
{
    float a;
    Block b;
};
float4 PSMain() : SV_Target
{
    return float4(a, b.v.x, b.v.w, b.s);
}
