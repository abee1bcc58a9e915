// Windows: an Interlocked operation's destination must be a UAV element or a groupshared variable; a local is refused.
// verdict: compile-error CSMain -
// group: resources
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedadd ("This operation can only be performed on int or uint typed resources and shared memory variables"); fxc's words for this were not found
RWStructuredBuffer<uint> results : register(u0);
[numthreads(1, 1, 1)]
void CSMain()
{
    uint total = 3;
    InterlockedAdd(total, 1);
    results[0] = total;
}
