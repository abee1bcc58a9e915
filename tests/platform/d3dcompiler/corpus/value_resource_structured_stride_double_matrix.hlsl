// Windows: a double2x2 after a float packs at byte 4 of a structured buffer's element, 36 bytes; a 72-byte buffer holds two.
// verdict: accepted
// probe: 2 36 0 1
// group: resources
// buffer t0: structured 36 2
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer-getdimensions ("stride: The number of bytes in each structure"); doubles are 8 bytes (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar), 4-byte aligned in fxc's structured buffers (github.com/microsoft/DirectXShaderCompiler/pull/721 records that only shader model 6.2 aligns them to 8)
#include "resource_stages.hlsli"
struct Weighted
{
    float weight;
    double2x2 transform;
};
StructuredBuffer<Weighted> weighted : register(t0);
float4 PSMain() : SV_Target
{
    uint count, stride;
    weighted.GetDimensions(count, stride);
    return float4(count, stride, 0, 1);
}
