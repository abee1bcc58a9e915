// Windows: a 16x4x1 group of 64 threads: SV_GroupIndex is y * 16 + x for SV_GroupThreadID (x, y, 0).
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 64
// expect u0: 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 100 101 102 103 104 105 106 107 108 109 110 111 112 113 114 115 200 201 202 203 204 205 206 207 208 209 210 211 212 213 214 215 300 301 302 303 304 305 306 307 308 309 310 311 312 313 314 315
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sv-groupindex (SV_GroupThreadID.z*dimx*dimy + SV_GroupThreadID.y*dimx + SV_GroupThreadID.x) and sv-groupthreadid
RWStructuredBuffer<uint> written : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(16, 4, 1)]
void CSMain(uint3 thread : SV_GroupThreadID, uint index : SV_GroupIndex)
{
    written[index] = thread.x + thread.y * 100 + thread.z * 10000;
}
