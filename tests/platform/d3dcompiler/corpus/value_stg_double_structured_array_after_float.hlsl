// Windows: an array of doubles after a float packs at byte 4 of a structured buffer's element, with no padding between its elements ({float, double[2]}: 20 bytes); an element is read alone or the array copied whole.
// verdict: accepted CSMain
// group: resources
// buffer t0: structured 20 2 : 0x3F800000 0 0x40040000 0 0xC0080000 0x40400000 0x9999999A 0x3FB99999 0 0x40190000
// uav u0: structured 4 5 : 0 0 0 0 0
// expect u0: 0 0x40190000 0 0xC0080000 0x00020014
// source: learn.microsoft.com/windows/win32/direct3d11/direct3d-11-advanced-stages-cs-resources (a structured buffer's elements are structures of the stride's size); doubles are 8 bytes (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar), 4-byte aligned in fxc's structured buffers (github.com/microsoft/DirectXShaderCompiler/pull/721 records that only shader model 6.2 aligns them to 8); asuint gives the low word first (learn.microsoft.com/windows/win32/direct3dhlsl/asuint); sm5-object-structuredbuffer-getdimensions (two 20-byte structures in 40 bytes; "stride: The number of bytes in each structure"). Words: 1.0f, 2.5, -3.0, 3.0f, 0.1, 6.25 (0x40190000 00000000)
struct Series
{
    float weight;
    double values[2];
};
StructuredBuffer<Series> series : register(t0);
RWStructuredBuffer<uint> words : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    uint low, high;
    asuint(series[index + 1].values[1], low, high);
    words[0] = low;
    words[1] = high;
    double copied[2] = series[index].values;
    asuint(copied[1], low, high);
    words[2] = low;
    words[3] = high;
    uint count, stride;
    series.GetDimensions(count, stride);
    words[4] = count << 16 | stride;
}
