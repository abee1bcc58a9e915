// Windows: InterlockedOr and InterlockedXor on groupshared uints from 8 threads set one bit each; InterlockedAnd clears the bits of odd threads.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 3
// expect u0: 255 255 85
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedor, interlockedxor and interlockedand (dest: a groupshared variable; atomic per operation) and dx-graphics-hlsl-variable-syntax (groupshared)
RWStructuredBuffer<uint> written : register(u0);
groupshared uint ored;
groupshared uint xored;
groupshared uint anded;
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(8, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    if (index == 0)
    {
        ored = 0;
        xored = 0;
        anded = 255;
    }
    GroupMemoryBarrierWithGroupSync();
    InterlockedOr(ored, 1u << index);
    InterlockedXor(xored, 1u << index);
    if ((index & 1) != 0)
    {
        InterlockedAnd(anded, ~(1u << index));
    }
    GroupMemoryBarrierWithGroupSync();
    if (index == 0)
    {
        written[0] = ored;
        written[1] = xored;
        written[2] = anded;
    }
}
