// Windows: a structure of a float then a float3 packs the float3 at byte 4, with a stride of 16; one of a float3 then a float has its float at byte 12.
// verdict: accepted
// probe: 2 8 40 5
// group: resources
// buffer t0: structured 16 2 : 1.0 2.0 3.0 4.0 5.0 6.0 7.0 8.0
// buffer t1: structured 16 1 : 10.0 20.0 30.0 40.0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer; structured buffers hold their elements tightly, each member at the next 4-byte boundary with no 16-byte register rules (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules concerns constant buffers only; a structured buffer's stride is the structure's size, sizeof(float3) being 12)
#include "resource_stages.hlsli"
struct Leading { float weight; float3 direction; };
struct Trailing { float3 direction; float weight; };
StructuredBuffer<Leading> leading : register(t0);
StructuredBuffer<Trailing> trailing : register(t1);
float4 PSMain() : SV_Target
{
    return float4(leading[0].direction.x, leading[1].direction.z, trailing[0].weight, leading[1].weight);
}
