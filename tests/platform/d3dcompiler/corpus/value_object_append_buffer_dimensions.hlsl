// Windows: an AppendStructuredBuffer's GetDimensions gives the view's element count and the stride, not its counter.
// verdict: accepted CSMain
// group: resources
// uav u0: structured 8 3 counter 1
// uav u1: structured 4 2
// expect u1: 3 8
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-appendstructuredbuffer-getdimensions ("numStructs: The number of structures", "stride: The number of bytes in each element")
AppendStructuredBuffer<float2> pairs : register(u0);
RWStructuredBuffer<uint> sizes : register(u1);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    uint count, stride;
    pairs.GetDimensions(count, stride);
    sizes[0] = count;
    sizes[1] = stride;
}
