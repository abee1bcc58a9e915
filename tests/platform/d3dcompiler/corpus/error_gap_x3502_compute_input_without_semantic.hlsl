// Windows: a compute shader's input without a semantic is refused.
// verdict: compile-error CSMain X3502
// group: semantics
// error text: error X3502: 'CSMain': input parameter 'thread' missing semantics
// source: fxc's words as Tint's test expectations quote them ("error X3502: 'f': input parameter 'inputs' missing semantics"); learn.microsoft.com/windows/win32/direct3dhlsl/sv-dispatchthreadid (a compute shader's inputs are system values)
RWStructuredBuffer<uint> results : register(u0);
[numthreads(1, 1, 1)]
void CSMain(uint3 thread)
{
    results[0] = thread.x;
}
