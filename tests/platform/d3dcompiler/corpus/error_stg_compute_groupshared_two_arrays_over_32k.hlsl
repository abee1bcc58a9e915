// Windows: the groupshared variables of a compute shader together hold at most 32 KB; two arrays of 16 KB and a uint more are refused.
// verdict: compile-error CSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (groupshared: "The amount of shared memory is limited to 32 KB for shader model 5.0"); Windows' words for it were not found
RWStructuredBuffer<uint> results : register(u0);
groupshared uint first[4096];
groupshared uint second[4096];
groupshared uint extra;
[numthreads(64, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    first[index] = index;
    second[index] = index;
    extra = index;
    GroupMemoryBarrierWithGroupSync();
    results[index] = first[63 - index] + second[index] + extra;
}
