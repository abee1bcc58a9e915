// Windows: an array inside a structured buffer element is packed without padding: a float[3] then a float make a 16-byte element.
// verdict: accepted
// probe: 3 4 6 8
// group: resources
// buffer t0: structured 16 2 : 1.0 2.0 3.0 4.0 5.0 6.0 7.0 8.0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer; structured buffers hold their elements tightly, each member at the next 4-byte boundary with no 16-byte register rules (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules concerns constant buffers only; a structured buffer's stride is the structure's size, sizeof(float3) being 12)
#include "resource_stages.hlsli"
struct Item { float weights[3]; float bias; };
StructuredBuffer<Item> items : register(t0);
float4 PSMain() : SV_Target
{
    return float4(items[0].weights[2], items[0].bias, items[1].weights[1], items[1].bias);
}
