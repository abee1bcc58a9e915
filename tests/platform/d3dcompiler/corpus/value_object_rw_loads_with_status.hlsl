// Windows: the read-write objects' loads have overloads with a status too (RWTexture2D, RWBuffer, RWByteAddressBuffer's Load3, RWStructuredBuffer); they read as without it, and CheckAccessFullyMapped of each status is true.
// verdict: accepted CSMain
// group: resources
// uav u0: 2d r32_uint 2x2 : 1 2 3 4
// uav u1: typed r32_uint 2 : 5 6
// uav u2: raw 4 : 7 8 9 10
// uav u3: structured 4 2 : 11 12
// uav u4: typed r32_uint 5 : 0 0 0 0 0
// expect u4: 4 6 10 12 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/rwtexture2d-load-int-uint- ("Load(int2 Location, uint Status)"), rwbuffer-load-int-uint-, rwbyteaddressbuffer-load3-uint-uint-, rwstructuredbuffer-load-int-uint-; checkaccessfullymapped
RWTexture2D<uint> image : register(u0);
RWBuffer<uint> list : register(u1);
RWByteAddressBuffer raw : register(u2);
RWStructuredBuffer<uint> items : register(u3);
RWBuffer<uint> results : register(u4);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    uint s0, s1, s2, s3;
    results[0] = image.Load(int2(1, 1), s0);
    results[1] = list.Load(1, s1);
    results[2] = raw.Load3(4, s2).z;
    results[3] = items.Load(1, s3);
    results[4] = (CheckAccessFullyMapped(s0) ? 1 : 0) + (CheckAccessFullyMapped(s1) ? 1 : 0) + (CheckAccessFullyMapped(s2) ? 1 : 0) + (CheckAccessFullyMapped(s3) ? 1 : 0);
}
