// Windows: ConsumeStructuredBuffer.Consume decrements the hidden counter and reads the element it then names.
// verdict: accepted CSMain
// group: resources
// uav u0: structured 4 4 counter 3 : 10 20 30 40
// uav u1: structured 4 1
// expect u1: 30
// expect u0 counter: 2
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-consumestructuredbuffer-consume ("Removes a value from the end of the buffer")
ConsumeStructuredBuffer<uint> queue : register(u0);
RWStructuredBuffer<uint> taken : register(u1);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    taken[0] = queue.Consume();
}
