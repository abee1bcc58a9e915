// Windows: a structured buffer packs a double right after a float, at byte 4 of a 12-byte element; element 1's double is read from bytes 16 to 23, low word first, and a double written there lands in the same words.
// verdict: accepted CSMain
// group: resources
// buffer t0: structured 12 2 : 0x3F800000 0 0x40040000 0x40400000 0x55555555 0x3FD55555
// uav u0: structured 12 2 : 0 0 0 0 0 0
// uav u1: structured 4 4 : 0 0 0 0
// expect u0: 0x40400000 0x55555555 0x3FD55555 0 0 0xBFE80000
// expect u1: 0x55555555 0x3FD55555 0 0x40040000
// source: learn.microsoft.com/windows/win32/direct3d11/direct3d-11-advanced-stages-cs-resources (a structured buffer's elements are structures of the stride's size); a double is 8 bytes (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar); fxc's structured buffers keep 4-byte alignment, DXC packing as C++'s 8 only from shader model 6.2 (github.com/microsoft/DirectXShaderCompiler/pull/721); asuint gives the low word first (learn.microsoft.com/windows/win32/direct3dhlsl/asuint). Words: 1.0f, 2.5 (0x40040000 00000000), 3.0f, 1/3 (0x3FD55555 55555555), -0.75 (0xBFE80000 00000000)
struct Sample64
{
    float weight;
    double value;
};
StructuredBuffer<Sample64> samples : register(t0);
RWStructuredBuffer<Sample64> written : register(u0);
RWStructuredBuffer<uint> words : register(u1);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    Sample64 second = samples[index + 1];
    written[index] = second;
    written[index + 1].value = -0.75L;
    uint low, high;
    asuint(samples[index + 1].value, low, high);
    words[0] = low;
    words[1] = high;
    asuint(samples[index].value, low, high);
    words[2] = low;
    words[3] = high;
}
