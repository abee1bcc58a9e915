// Windows: two groupshared arrays of 16 KB make 32 KB, the most a compute shader may declare.
// verdict: accepted CSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (groupshared: "The amount of shared memory is limited to 32 KB for shader model 5.0")
RWStructuredBuffer<uint> results : register(u0);
groupshared uint first[4096];
groupshared float second[4096];
[numthreads(64, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    first[index] = index;
    second[index] = index * 0.5;
    GroupMemoryBarrierWithGroupSync();
    results[index] = first[63 - index] + (uint)second[index];
}
