// Windows: cs_5_0 allows at most 1024 threads along y; numthreads(1, 1025, 1) is refused.
// verdict: compile-error CSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-attributes-numthreads (cs_5_0: maximum Y 1024) ; Windows' words for it were not found
RWStructuredBuffer<uint> results : register(u0);
[numthreads(1, 1025, 1)]
void CSMain(uint3 id : SV_DispatchThreadID)
{
    results[id.y] = id.y;
}
