// Windows: cs_5_0 takes 1024 threads along y, the most a group holds.
// verdict: accepted CSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-attributes-numthreads (cs_5_0: maximum Y 1024, X*Y*Z at most 1024)
RWStructuredBuffer<uint> results : register(u0);
[numthreads(1, 1024, 1)]
void CSMain(uint3 id : SV_DispatchThreadID)
{
    results[id.y] = id.y;
}
