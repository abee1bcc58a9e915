// Windows: a StructuredBuffer<float3> has a stride of 12 bytes: element 1 starts at byte 12.
// verdict: accepted
// probe: 4 5 9 3
// group: resources
// buffer t0: structured 12 3 : 1.0 2.0 3.0 4.0 5.0 6.0 7.0 8.0 9.0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer; structured buffers hold their elements tightly, each member at the next 4-byte boundary with no 16-byte register rules (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules concerns constant buffers only; a structured buffer's stride is the structure's size, sizeof(float3) being 12)
#include "resource_stages.hlsli"
StructuredBuffer<float3> points : register(t0);
float4 PSMain() : SV_Target
{
    uint count, stride;
    points.GetDimensions(count, stride);
    return float4(points[1].xy, points[2].z, count);
}
