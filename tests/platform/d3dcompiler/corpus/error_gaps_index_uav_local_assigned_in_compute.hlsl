// Windows: a compute shader's local given the thread's index after its declaration indexes an
// array of UAVs: no literal, X3512 at shader model 5.0.
// verdict: compile-error CSMain X3512
// group: resources
// error text: sampler array index must be a literal expression
// source: fxc's "error X3512: sampler array index must be a literal expression", quoted in DirectXShaderCompiler issue 592; learn.microsoft.com/windows/win32/direct3d12/resource-binding-in-hlsl (dynamic indexing of resource arrays comes with shader model 5.1)
RWBuffer<uint> outputs[2] : register(u0);
[numthreads(2, 1, 1)]
void CSMain(uint3 thread : SV_DispatchThreadID)
{
    uint slot;
    slot = thread.x;
    outputs[slot][0] = 7;
}
