// Windows: AppendStructuredBuffer.Append writes at the hidden counter and increments it.
// verdict: accepted CSMain
// group: resources
// uav u0: structured 4 4 counter 1 : 5
// expect u0: 5 7 9 0
// expect u0 counter: 3
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-appendstructuredbuffer-append ("Appends a value to the end of the buffer")
AppendStructuredBuffer<uint> queue : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    queue.Append(7);
    queue.Append(9);
}
