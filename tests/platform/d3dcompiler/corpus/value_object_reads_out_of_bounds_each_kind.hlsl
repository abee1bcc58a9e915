// Windows: reads past a view's bounds give 0 for every kind of resource: a structured or raw buffer past its end, a 1D, 3D or array texture past its extent, slices or levels, a read-write buffer past its end.
// verdict: accepted CSMain
// group: resources
// buffer t0: structured 4 2 : 5 6
// buffer t1: raw 2 : 7 8
// texture t2: 1d r32_uint 2 : 1 2
// texture t3: 3d r32_uint 2x2x2 : 1 2 3 4 5 6 7 8
// texture t4: 2darray r32_uint 2x2 slices 2 : 1 2 3 4 5 6 7 8
// uav u0: typed r32_uint 8 : 9 9 9 9 9 9 9 9
// expect u0: 6 0 0 0 0 0 0 8
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("Direct3D guarantees to return zero for any resource that is accessed out of bounds")
StructuredBuffer<uint> items : register(t0);
ByteAddressBuffer raw : register(t1);
Texture1D<uint> row : register(t2);
Texture3D<uint> volume : register(t3);
Texture2DArray<uint> layers : register(t4);
RWBuffer<uint> results : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    results[0] = items[1];
    results[1] = items[2] + items.Load(9);
    results[2] = raw.Load(8) + raw.Load2(8).x + raw.Load(12);
    results[3] = row.Load(int2(2, 0)) + row.Load(int2(0, 1));
    results[4] = volume.Load(int4(0, 0, 2, 0)) + volume[uint3(2, 0, 0)];
    results[5] = layers.Load(int4(0, 0, 2, 0)) + layers[uint3(0, 2, 0)];
    results[6] = results[8] + results[100];
    results[7] = raw.Load(4) + volume.Load(int4(1, 1, 1, 1));
}
