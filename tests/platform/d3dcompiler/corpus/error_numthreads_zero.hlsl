// Windows: each thread-group dimension is at least 1.
// verdict: compile-error CSMain -
// group: attributes
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dcl-thread-group--sm5---asm- (1 <= x <= 1024, 1 <= y <= 1024, 1 <= z <= 64); Windows' number and words for it were not found
RWStructuredBuffer<float> results : register(u0);
[numthreads(8, 0, 1)]
void CSMain(uint3 id : SV_DispatchThreadID)
{
    results[id.x] = 1.0;
}
