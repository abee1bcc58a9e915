// Windows: a compute shader's entry point needs [numthreads].
// verdict: compile-error CSMain -
// error text: numthreads
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-attributes-numthreads (the attribute defines the group a compute shader runs in) and DirectXShaderCompiler's "compute entry point must have a valid numthreads attribute"; fxc's number and words were not found
RWStructuredBuffer<float> results : register(u0);
void CSMain(uint3 id : SV_DispatchThreadID)
{
    results[id.x] = 1.0;
}
