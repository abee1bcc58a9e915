// Windows: a StructuredBuffer element's members lie at their offsets in the stride, read through [] or Load; an element past the count reads 0.
// verdict: accepted
// probe: 5.5 6 3.5 4.5
// group: resources
// buffer t0: structured 16 2 : 1.5 2 3.5 4.5 5.5 6 7.5 8.5
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer (the element type a structure), sm5-object-structuredbuffer-load; dx-graphics-hlsl-to-load ("zero for any resource that is accessed out of bounds")
#include "resource_stages.hlsli"
struct Item { float weight; uint count; float2 offset; };
StructuredBuffer<Item> items : register(t0);
float4 PSMain() : SV_Target
{
    return float4(items[1].weight, items.Load(1).count + items[2].count, items[0].offset);
}
