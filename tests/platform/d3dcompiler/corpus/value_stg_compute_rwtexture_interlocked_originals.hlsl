// Windows: InterlockedAdd and InterlockedMin on RWTexture2D<int> texels give their earlier values, negative values compared signed.
// verdict: accepted CSMain
// group: stages
// uav u0: 2d r32_sint 4x1 : 5 -3 0 0
// expect u0: 2 -9 5 -3
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedadd and interlockedmin (dest: a resource variable; original_value) and sm5-object-rwtexture2d
RWTexture2D<int> texels : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    int before;
    InterlockedAdd(texels[uint2(0, 0)], -3, before);
    texels[uint2(2, 0)] = before;
    InterlockedMin(texels[uint2(1, 0)], -9, before);
    texels[uint2(3, 0)] = before;
}
