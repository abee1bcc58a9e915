// Windows: an array of structured buffers or of raw buffers takes one
// register per element, so items[1] reads the buffer bound at t1 and raws[1]
// the one at t3.
// verdict: accepted
// probe: 3.5 6.5 12.5 9.5
// group: resources
// buffer t0: structured 8 2 : 1.5 2.5 3.5 4.5
// buffer t1: structured 8 2 : 5.5 6.5 7.5 8.5
// buffer t2: raw 2 : 9.5 10.5
// buffer t3: raw 2 : 11.5 12.5
// source: learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl ("Texture2D tex1[4] : register(t3)": an array of resources takes a register per element from the one given) and windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-register
#include "resource_stages.hlsli"
struct Item
{
    float a;
    float b;
};
StructuredBuffer<Item> items[2] : register(t0);
ByteAddressBuffer raws[2] : register(t2);
float4 PSMain() : SV_Target
{
    return float4(items[0][1].a, items[1].Load(0).b, asfloat(raws[1].Load(4)),
                  asfloat(raws[0].Load(0)));
}
