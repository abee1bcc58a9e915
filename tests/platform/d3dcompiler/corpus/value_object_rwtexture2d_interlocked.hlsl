// Windows: InterlockedAdd on an RWTexture2D<uint> texel adds and gives the value before.
// verdict: accepted CSMain
// group: resources
// uav u0: 2d r32_uint 2x1 : 5 7
// uav u1: structured 4 2
// expect u0: 8 7
// expect u1: 5 7
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedadd ("dest: The destination address"; "original_value: The original input value"; a resource variable or groupshared); sm5-object-rwtexture2d
RWTexture2D<uint> counts : register(u0);
RWStructuredBuffer<uint> before : register(u1);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    uint original;
    InterlockedAdd(counts[uint2(0, 0)], 3, original);
    before[0] = original;
    before[1] = counts[uint2(1, 0)];
}
