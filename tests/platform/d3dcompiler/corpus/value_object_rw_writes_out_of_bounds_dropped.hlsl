// Windows: writes past a UAV's end are dropped and reads past it give 0; the elements inside keep their values.
// verdict: accepted CSMain
// group: resources
// uav u0: structured 4 2 : 5 6
// uav u1: raw 2 : 7 8
// uav u2: typed r32_uint 2 : 1 2
// expect u0: 5 0
// expect u1: 7 0
// expect u2: 1 0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("Direct3D guarantees to return zero for any resource that is accessed out of bounds"); Microsoft's Direct3D 11.3 functional rules for UAVs, whose out-of-bounds writes write nothing
RWStructuredBuffer<uint> items : register(u0);
RWByteAddressBuffer raw : register(u1);
RWBuffer<uint> list : register(u2);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    items[2] = 99;
    raw.Store(8, 99);
    list[5] = 99;
    items[1] = items[7];
    raw.Store(4, raw.Load(64));
    list[1] = list[9];
}
