// Windows: a groupshared matrix is shared by the group's threads: each thread
// writes a row, and after the group's barrier one thread reads all of them.
// verdict: accepted CSMain
// group: resources
// uav u0: structured 4 4
// expect u0: 1.0 3.0 2.0 4.0
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (groupshared: shared by a thread group, any type) and groupmemorybarrierwithgroupsync; dx-graphics-hlsl-per-component-math (m[i] is row i)
groupshared float2x2 rows;
RWStructuredBuffer<float> results : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(2, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    rows[index] = float2(index + 1, index + 3);
    GroupMemoryBarrierWithGroupSync();
    if (index == 0)
    {
        results[0] = rows._11;
        results[1] = rows._12;
        results[2] = rows._21;
        results[3] = rows._22;
    }
}
