// Windows: an array of structures assigned whole is copied member by member.
// verdict: accepted
// probe: 2 3 4 5
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct and dx-graphics-hlsl-variable-syntax (arrays of structures are values)
#include "probe_stages.hlsli"
struct Item
{
    float weight;
    float3 colour;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Item items[2];
    items[0].weight = one;
    items[0].colour = float3(1, 1, 1) * one;
    items[1].weight = 2 * one;
    items[1].colour = float3(3, 4, 5) * one;
    Item copy[2];
    copy = items;
    items[1].weight = 0;
    return float4(copy[1].weight, copy[1].colour);
}
