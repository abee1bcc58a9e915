// Windows: writes to an RWStructuredBuffer<float3> land 12 bytes apart.
// verdict: accepted
// group: resources
// uav u1: structured 12 2
// expect u1: 0 0 0 1.5 2.5 3.5
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer; structured buffers hold their elements tightly, each member at the next 4-byte boundary with no 16-byte register rules (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules concerns constant buffers only; a structured buffer's stride is the structure's size, sizeof(float3) being 12)
#include "resource_stages.hlsli"
RWStructuredBuffer<float3> points : register(u1);
float4 PSMain() : SV_Target
{
    points[1] = float3(1.5, 2.5, 3.5);
    return 0;
}
