// Windows: each element of a constant buffer's array of structures starts a
// register; a row_major float2x3 member takes a register per row, three
// components each, and a float4 after it the next register.
// verdict: accepted
// probe: 2 8 16 23
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules (arrays are not packed: each element starts a register; a matrix starts a register; a value that does not fit what is left of a register starts the next) and dx-graphics-hlsl-per-component-math (row_major: each row in a register)
#include "probe_stages.hlsli"
struct Item
{
    row_major float2x3 m;
    float4 tail;
};
cbuffer Items : register(b0)
{
    Item items[2];
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint second = uint(position.x * 2.0); // 1, unknown to the compiler
    return float4(items[0].m._13, items[0].tail.x, items[second].m._21, items[second].tail.w);
}
