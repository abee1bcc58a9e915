// Windows: GetDimensions of a Buffer gives its element count, of a StructuredBuffer the count and stride, of a ByteAddressBuffer its size in bytes.
// verdict: accepted
// probe: 3 5 12 32
// group: resources
// buffer t0: typed r32g32b32a32_float 3
// buffer t1: structured 12 5
// buffer t2: raw 8
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer-getdimensions ("numStructs ... stride"), sm5-object-byteaddressbuffer-getdimensions ("The length, in bytes"), dx-graphics-hlsl-to-getdimensions (Buffer: "out dim")
#include "resource_stages.hlsli"
struct Particle { float3 position; };
Buffer<float4> tints : register(t0);
StructuredBuffer<Particle> particles : register(t1);
ByteAddressBuffer raw : register(t2);
float4 PSMain() : SV_Target
{
    uint count, structs, stride, bytes;
    tints.GetDimensions(count);
    particles.GetDimensions(structs, stride);
    raw.GetDimensions(bytes);
    return float4(count, structs, stride, bytes);
}
