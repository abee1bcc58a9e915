// Windows: cs_5_0 allows at most 64 threads along Z.
// verdict: compile-error CSMain -
// group: attributes
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-attributes-numthreads (cs_5_0: maximum Z 64, maximum X*Y*Z 1024) and dcl-thread-group--sm5---asm- (1 <= z <= 64); Windows' number and words for it were not found
RWStructuredBuffer<float> results : register(u0);
[numthreads(1, 1, 65)]
void CSMain(uint3 id : SV_DispatchThreadID)
{
    results[id.z] = 1.0;
}
