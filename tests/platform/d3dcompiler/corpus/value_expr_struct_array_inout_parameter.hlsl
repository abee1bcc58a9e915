// Windows: an array of structures given inout comes back with the callee's
// writes.
// verdict: accepted
// probe: 2 20 3 1
// group: functions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (inout: copied in and back out)
#include "probe_stages.hlsli"
struct Item
{
    float a;
    float b;
};
void Double(inout Item items[2])
{
    items[0].a *= 2;
    items[1].b *= 10;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    Item items[2];
    items[0].a = one;
    items[0].b = 3 * one;
    items[1].a = 5 * one;
    items[1].b = 2 * one;
    Double(items);
    return float4(items[0].a, items[1].b, items[0].b, 1);
}
