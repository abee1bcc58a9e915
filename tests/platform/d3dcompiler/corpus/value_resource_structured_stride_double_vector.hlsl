// Windows: a structured buffer of double2 has a 16-byte stride, of a
// structure of a double and a uint 12 bytes.
// verdict: accepted
// probe: 2 16 4 12
// group: resources
// buffer t0: structured 16 2
// buffer t1: structured 12 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer-getdimensions ("stride: The number of bytes in each structure"); a double is 8 bytes (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar)
#include "resource_stages.hlsli"
struct Tagged
{
    double value;
    uint tag;
};
StructuredBuffer<double2> pairs : register(t0);
StructuredBuffer<Tagged> tagged : register(t1);
float4 PSMain() : SV_Target
{
    uint pairCount, pairStride, taggedCount, taggedStride;
    pairs.GetDimensions(pairCount, pairStride);
    tagged.GetDimensions(taggedCount, taggedStride);
    return float4(pairCount, pairStride, taggedCount, taggedStride);
}
