// Windows: Interlocked functions take a member of an RWStructuredBuffer element as their destination and return its value before.
// verdict: accepted
// probe: 10 0 0 0
// group: resources
// uav u1: structured 8 1 : 10 -2
// expect u1: 15 -3
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedadd and interlockedmin ("dest: The destination address ... a resource variable or a shared memory variable"; "original_value: Optional. The original input value")
#include "resource_stages.hlsli"
struct Item { uint count; int lowest; };
RWStructuredBuffer<Item> items : register(u1);
float4 PSMain() : SV_Target
{
    uint before;
    InterlockedAdd(items[0].count, 5, before);
    InterlockedMin(items[0].lowest, -3);
    return float4(before, 0, 0, 0);
}
