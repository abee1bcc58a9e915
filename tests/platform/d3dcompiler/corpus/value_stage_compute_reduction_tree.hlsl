// Windows: a reduction tree over groupshared memory, halving the stride with a group sync each step, sums the group's values.
// verdict: accepted CSMain
// group: stages
// uav u0: structured 4 1
// expect u0: 2016
// source: learn.microsoft.com/windows/win32/direct3dhlsl/groupmemorybarrierwithgroupsync (every thread of the group reaches the call and sees the others' groupshared writes) and dx-graphics-hlsl-variable-syntax (groupshared)
RWStructuredBuffer<uint> total : register(u0);
groupshared uint partial[64];
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(64, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    partial[index] = index;
    GroupMemoryBarrierWithGroupSync();
    for (uint stride = 32; stride > 0; stride >>= 1)
    {
        if (index < stride)
        {
            partial[index] += partial[index + stride];
        }
        GroupMemoryBarrierWithGroupSync();
    }
    if (index == 0)
    {
        total[0] = partial[0];
    }
}
