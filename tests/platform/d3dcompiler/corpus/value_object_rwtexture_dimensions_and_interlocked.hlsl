// Windows: GetDimensions of RWTexture1D, RWTexture1DArray, RWTexture2DArray and RWTexture3D gives the view's width, height, depth or element count (no mip argument), and the Interlocked functions reach RWTexture1D and RWTexture3D elements, giving the value before.
// verdict: accepted CSMain
// group: resources
// uav u0: 1d r32_uint 4 : 1 2 3 4
// uav u1: 1darray r32_uint 4 slices 3
// uav u2: 2darray r32_uint 2x5 slices 2
// uav u3: 3d r32_uint 2x2x3 : 0 0 0 0 0 0 0 0 0 0 0 40
// uav u4: typed r32_uint 8 : 0 0 0 0 0 0 0 0
// expect u4: 4 4 3 5 2 3 3 40
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-getdimensions (RWTexture1D "out Width"; RWTexture1DArray "Width, Elements"; RWTexture2DArray "Width, Height, Elements"; RWTexture3D "Width, Height, Depth"); interlockedadd, interlockedmax ("original_value: The original input value"); sm5-object-rwtexture3d (operator[] takes uint3)
RWTexture1D<uint> row : register(u0);
RWTexture1DArray<uint> rows : register(u1);
RWTexture2DArray<uint> layers : register(u2);
RWTexture3D<uint> volume : register(u3);
RWBuffer<uint> results : register(u4);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    uint width, height, depth, elements;
    uint before, volumeBefore;
    InterlockedAdd(row[3], 10, before);
    results[0] = before;
    results[1] = row[3] - 10;
    rows.GetDimensions(width, elements);
    results[2] = elements;
    layers.GetDimensions(width, height, elements);
    results[3] = height;
    results[4] = elements;
    volume.GetDimensions(width, height, depth);
    results[5] = depth;
    InterlockedMax(volume[uint3(1, 1, 2)], 7, volumeBefore);
    row.GetDimensions(width);
    results[6] = width - 1;
    results[7] = volumeBefore + volume[uint3(1, 1, 2)] - 40;
}
