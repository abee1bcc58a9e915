// Windows: a structure's double packed at byte 4 keeps that place inside another structure's element ({float, {double, uint}, double2}: 32 bytes), whether the element is stored whole or one double2 component alone.
// verdict: accepted CSMain
// group: resources
// uav u0: structured 32 1 : 0 0 0 0 0 0 0 0
// expect u0: 0x3F800000 0 0x40040000 5 0 0xC0080000 0 0x40190000
// source: learn.microsoft.com/windows/win32/direct3d11/direct3d-11-advanced-stages-cs-resources (a structured buffer's elements are structures of the stride's size); doubles are 8 bytes (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar), 4-byte aligned in fxc's structured buffers (github.com/microsoft/DirectXShaderCompiler/pull/721 records that only shader model 6.2 aligns them to 8); the low word first (learn.microsoft.com/windows/win32/direct3dhlsl/asuint). Words: 1.0f, 2.5 (0x40040000 00000000), -3.0 (0xC0080000 00000000), 6.25 (0x40190000 00000000)
struct Inner
{
    double value;
    uint tag;
};
struct Outer
{
    float weight;
    Inner inner;
    double2 pair;
};
RWStructuredBuffer<Outer> written : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    Outer o;
    o.weight = 1;
    o.inner.value = 2.5L;
    o.inner.tag = 5;
    o.pair = double2(-3.0L, 0.1L);
    written[index] = o;
    written[index].pair.y = 6.25L;
}
