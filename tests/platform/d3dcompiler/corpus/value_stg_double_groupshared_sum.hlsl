// Windows: groupshared memory holds doubles whole: two threads store 0.1 and 0.2 (as 64-bit literals), and after the barrier their sum is the double 0.30000000000000004 (0x3FD33333 33333334), split low word first.
// verdict: accepted CSMain
// group: values
// uav u0: structured 4 2 : 0 0
// expect u0: 0x33333334 0x3FD33333
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (groupshared: memory shared by a thread group); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-grammar (the L suffix gives a 64-bit literal); learn.microsoft.com/windows/win32/direct3dhlsl/asuint (lowbits, highbits)
RWStructuredBuffer<uint> written : register(u0);
groupshared double partial[2];
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(2, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    partial[index] = 0.1L * (double)(index + 1);
    GroupMemoryBarrierWithGroupSync();
    if (index == 0)
    {
        uint low, high;
        asuint(partial[0] + partial[1], low, high);
        written[0] = low;
        written[1] = high;
    }
}
