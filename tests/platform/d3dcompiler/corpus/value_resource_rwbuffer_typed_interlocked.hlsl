// Windows: an RWBuffer<uint> element takes InterlockedAdd, which returns the value before; an RWBuffer<float> element takes a write.
// verdict: accepted
// probe: 4 0 0 0
// group: resources
// uav u1: typed r32_uint 2 : 3 4
// uav u2: typed r32_float 3
// expect u1: 3 9
// expect u2: 0 0 1.5
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedadd ("dest: The destination address ... a resource variable"; "original_value"), sm5-object-rwbuffer
#include "resource_stages.hlsli"
RWBuffer<uint> counts : register(u1);
RWBuffer<float> weights : register(u2);
float4 PSMain() : SV_Target
{
    uint before;
    InterlockedAdd(counts[1], 5, before);
    weights[2] = 1.5;
    return float4(before, 0, 0, 0);
}
