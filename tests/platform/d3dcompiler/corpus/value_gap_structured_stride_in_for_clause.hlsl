// Windows: GetDimensions of a structured buffer gives Direct3D's stride
// also where the call is a for statement's first clause.
// verdict: accepted
// probe: 5 12 0 1
// group: resources
// buffer t0: structured 12 5
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer-getdimensions ("numStructs ... stride"); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for (the initialiser is any expression)
#include "resource_stages.hlsli"
struct Particle { float3 position; };
StructuredBuffer<Particle> particles : register(t0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint count = 0, stride = 0;
    for (particles.GetDimensions(count, stride); false;)
    {
    }
    return float4(count, stride, 0, 1);
}
