// Windows: a structure inside a structured buffer element is packed as tightly as its members: a float2 array after a float starts at byte 4.
// verdict: accepted
// probe: 2 5 6 1
// group: resources
// buffer t0: structured 24 1 : 1.0 2.0 3.0 4.0 5.0 6.0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer; structured buffers hold their elements tightly, each member at the next 4-byte boundary with no 16-byte register rules (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules concerns constant buffers only; a structured buffer's stride is the structure's size, sizeof(float3) being 12)
#include "resource_stages.hlsli"
struct Inner { float2 pair; };
struct Item { float weight; Inner inner[2]; float last; };
StructuredBuffer<Item> items : register(t0);
float4 PSMain() : SV_Target
{
    return float4(items[0].inner[0].pair.x, items[0].inner[1].pair.y, items[0].last, items[0].weight);
}
