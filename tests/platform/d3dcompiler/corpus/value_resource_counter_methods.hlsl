// Windows: IncrementCounter returns the counter before the increment, DecrementCounter the counter after the decrement.
// verdict: accepted CSMain
// group: resources
// uav u0: structured 4 2 counter 5
// expect u0: 5 5
// expect u0 counter: 5
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwstructuredbuffer-incrementcounter ("The pre-incremented counter value"), sm5-object-rwstructuredbuffer-decrementcounter ("The post-decremented counter value")
RWStructuredBuffer<uint> items : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    items[0] = items.IncrementCounter();
    items[1] = items.DecrementCounter();
}
