// Windows: cs_5_0's X dimension is at most 1024, even where Y and Z are 1.
// verdict: compile-error CSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-attributes-numthreads (cs_5_0: maximum X 1024, X*Y*Z 1024); fxc's number and words were not found
RWStructuredBuffer<float> results : register(u0);
[numthreads(1025, 1, 1)]
void CSMain(uint3 id : SV_DispatchThreadID)
{
    results[id.x] = 1.0;
}
