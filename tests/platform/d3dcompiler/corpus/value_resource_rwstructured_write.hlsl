// Windows: writes to members of an RWStructuredBuffer element land at their offsets in the stride.
// verdict: accepted
// group: resources
// uav u1: structured 8 2
// expect u1: 2.5 0 0 7
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwstructuredbuffer ("a read-write buffer" of structures, operator[])
#include "resource_stages.hlsli"
struct Item { float weight; uint count; };
RWStructuredBuffer<Item> items : register(u1);
float4 PSMain() : SV_Target
{
    items[1].count = 7;
    items[0].weight = 2.5;
    return 0;
}
