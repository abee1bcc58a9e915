// Windows: Interlocked operations take int or uint destinations; an RWBuffer<float> element is refused.
// verdict: compile-error CSMain -
// group: resources
// source: learn.microsoft.com/windows/win32/direct3dhlsl/interlockedadd ("This operation can only be performed on int or uint typed resources and shared memory variables"); fxc's words for this were not found
RWBuffer<float> values : register(u0);
[numthreads(1, 1, 1)]
void CSMain()
{
    InterlockedAdd(values[0], 1);
}
