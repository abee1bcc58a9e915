// Windows: a group of exactly 1024 threads with z = 64 is within cs_5_0's limits.
// verdict: accepted CSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-attributes-numthreads (cs_5_0: X and Y at most 1024, Z at most 64, X*Y*Z at most 1024)
RWStructuredBuffer<float> results : register(u0);
[numthreads(16, 1, 64)]
void CSMain(uint3 id : SV_DispatchThreadID)
{
    results[id.x + id.z * 16] = 1.0;
}
