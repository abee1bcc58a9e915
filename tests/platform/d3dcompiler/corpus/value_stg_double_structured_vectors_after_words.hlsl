// Windows: double2 and double3 members follow a float and a uint at 4-byte boundaries: a 20-byte element {float, double2} and a 28-byte element {uint, double3}; a component is read alone or as the whole vector, and the strides are the elements' sizes.
// verdict: accepted CSMain
// group: resources
// buffer t0: structured 20 2 : 0x3F800000 0 0x40040000 0 0xC0080000 0x40400000 0x9999999A 0x3FB99999 0 0x40190000
// buffer t1: structured 28 1 : 7 0 0x40040000 0 0xC0080000 0x55555555 0x3FD55555
// uav u0: structured 4 8 : 0 0 0 0 0 0 0 0
// expect u0: 0x9999999A 0x3FB99999 0 0x40190000 7 0x55555555 0x3FD55555 0x001C0014
// source: learn.microsoft.com/windows/win32/direct3d11/direct3d-11-advanced-stages-cs-resources (a structured buffer's elements are structures of the stride's size); doubles are 8 bytes (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar), 4-byte aligned in fxc's structured buffers (github.com/microsoft/DirectXShaderCompiler/pull/721 records that only shader model 6.2 aligns them to 8); asuint gives the low word first (learn.microsoft.com/windows/win32/direct3dhlsl/asuint); sm5-object-structuredbuffer-getdimensions ("stride: The number of bytes in each structure"). Words: 1.0f, 2.5, -3.0, 3.0f, 0.1 (0x3FB99999 9999999A), 6.25 (0x40190000 00000000), 1/3 (0x3FD55555 55555555)
struct Pair
{
    float weight;
    double2 value;
};
struct Tagged
{
    uint tag;
    double3 position;
};
StructuredBuffer<Pair> pairs : register(t0);
StructuredBuffer<Tagged> tagged : register(t1);
RWStructuredBuffer<uint> words : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    double2 second = pairs[index + 1].value;
    uint low, high;
    asuint(second.x, low, high);
    words[0] = low;
    words[1] = high;
    asuint(pairs[index + 1].value.y, low, high);
    words[2] = low;
    words[3] = high;
    Tagged t = tagged[index];
    words[4] = t.tag;
    asuint(t.position.z, low, high);
    words[5] = low;
    words[6] = high;
    uint count, pairStride, taggedStride;
    pairs.GetDimensions(count, pairStride);
    tagged.GetDimensions(count, taggedStride);
    words[7] = taggedStride << 16 | pairStride;
}
