// Windows: writes past a read-write texture's extent or slices are dropped, and the texels inside keep their values; reads past it give 0.
// verdict: accepted CSMain
// group: resources
// uav u0: 2d r32_uint 2x2 : 1 2 3 4
// uav u1: 1d r32_uint 2 : 5 6
// uav u2: 2darray r32_uint 1x1 slices 2 : 7 8
// uav u3: typed r32_uint 6 : 9 9 9 9 9 9
// expect u3: 1 2 3 4 6 0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("Direct3D guarantees to return zero for any resource that is accessed out of bounds"); Microsoft's Direct3D 11.3 functional rules for UAVs, whose out-of-bounds writes write nothing
RWTexture2D<uint> image : register(u0);
RWTexture1D<uint> row : register(u1);
RWTexture2DArray<uint> layers : register(u2);
RWBuffer<uint> results : register(u3);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    image[uint2(2, 0)] = 99;
    image[uint2(0, 2)] = 99;
    row[2] = 99;
    layers[uint3(0, 0, 2)] = 99;
    results[0] = image[uint2(0, 0)];
    results[1] = image[uint2(1, 0)];
    results[2] = image[uint2(0, 1)];
    results[3] = image[uint2(1, 1)];
    results[4] = row[1];
    results[5] = row[2] + image[uint2(2, 0)] + layers[uint3(0, 0, 2)] + (layers[uint3(0, 0, 1)] - 8);
}
