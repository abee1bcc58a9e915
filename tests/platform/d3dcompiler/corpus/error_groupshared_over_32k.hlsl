// Windows: a compute shader's groupshared memory holds at most 32 KB.
// verdict: compile-error CSMain -
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (groupshared: "The maximum size of group shared memory is 32KB" for cs_5_0); Windows' number and words for it were not found
RWStructuredBuffer<float> results : register(u0);
groupshared float scratch[8193];
[numthreads(64, 1, 1)]
void CSMain(uint3 id : SV_DispatchThreadID)
{
    scratch[id.x] = 1.0;
    GroupMemoryBarrierWithGroupSync();
    results[id.x] = scratch[63 - id.x];
}
