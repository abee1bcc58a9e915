// Windows: cs_5_0 allows at most 1024 threads in a group.
// verdict: compile-error CSMain -
// group: attributes
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-attributes-numthreads (cs_5_0: maximum X*Y*Z 1024) and dcl-thread-group--sm5---asm- (x*y*z <= 1024); Windows' number and words for it were not found
RWStructuredBuffer<float> results : register(u0);
[numthreads(64, 4, 5)]
void CSMain(uint3 id : SV_DispatchThreadID)
{
    results[id.x] = 1.0;
}
