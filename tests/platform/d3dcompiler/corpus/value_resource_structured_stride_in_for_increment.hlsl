// Windows: GetDimensions of a structured buffer gives Direct3D's stride in a
// for statement's last clause and after a comma in its first.
// verdict: accepted
// probe: 3 20 3 8
// group: resources
// buffer t0: structured 20 3
// buffer t1: structured 8 3
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer-getdimensions ("numStructs ... stride"); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-for (the initialiser and the increment are any expressions)
#include "resource_stages.hlsli"
struct Wide { float4 colour; float weight; };
StructuredBuffer<Wide> wide : register(t0);
StructuredBuffer<float2> pairs : register(t1);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint count = 0, stride = 0, pairCount = 0, pairStride = 0;
    int i = 0;
    for (i = 0; i < 1; ++i, wide.GetDimensions(count, stride))
    {
    }
    for (i = 0, pairs.GetDimensions(pairCount, pairStride); i < 1; ++i)
    {
    }
    return float4(count, stride, pairCount, pairStride);
}
