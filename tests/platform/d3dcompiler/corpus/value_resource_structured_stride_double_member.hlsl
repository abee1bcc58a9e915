// Windows: a structured buffer's stride packs a double after a float at byte
// 4, with no 8-byte alignment: 12 bytes.
// verdict: accepted
// probe: 3 12 0 1
// group: resources
// buffer t0: structured 12 3
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer-getdimensions ("stride: The number of bytes in each structure"); structured buffers are packed with no padding between members (learn.microsoft.com/windows/win32/direct3d11/direct3d-11-advanced-stages-cs-resources)
#include "resource_stages.hlsli"
struct Sample64
{
    float weight;
    double value;
};
StructuredBuffer<Sample64> samples64 : register(t0);
float4 PSMain() : SV_Target
{
    uint count, stride;
    samples64.GetDimensions(count, stride);
    return float4(count, stride, 0, 1);
}
