// Windows: a StructuredBuffer is read-only, so an Interlocked operation cannot target its element.
// verdict: compile-error CSMain -
// group: resources
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedadd ("dest: The destination address", which "must be a resource variable" or groupshared) and sm5-object-structuredbuffer (read-only; its RW form is the one written); fxc's words for this were not found
StructuredBuffer<uint> items : register(t0);
RWStructuredBuffer<uint> results : register(u0);
[numthreads(1, 1, 1)]
void CSMain()
{
    uint before;
    InterlockedAdd(items[0], 1, before);
    results[0] = before;
}
