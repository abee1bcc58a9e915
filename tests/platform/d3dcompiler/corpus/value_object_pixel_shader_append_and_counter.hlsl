// Windows: a pixel shader appends to an AppendStructuredBuffer and the hidden counter counts the element; IncrementCounter of an RWStructuredBuffer gives the count before.
// verdict: accepted
// probe: 3 0 0 0
// group: resources
// uav u1: structured 4 2 counter 0
// uav u2: structured 4 1 counter 3
// expect u1: 7 0
// expect u1 counter: 1
// expect u2 counter: 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-appendstructuredbuffer-append ("Appends a value to the end of the buffer"); sm5-object-rwstructuredbuffer-incrementcounter ("The pre-incremented counter value"); pixel shaders take UAVs in shader model 5 (d3d11-graphics-reference-sm5-objects)
#include "resource_stages.hlsli"
AppendStructuredBuffer<uint> appended : register(u1);
RWStructuredBuffer<uint> counted : register(u2);
float4 PSMain() : SV_Target
{
    appended.Append(7);
    return float4(counted.IncrementCounter(), 0, 0, 0);
}
