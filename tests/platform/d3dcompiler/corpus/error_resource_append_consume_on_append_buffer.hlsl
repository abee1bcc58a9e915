// Windows: an AppendStructuredBuffer has Append and GetDimensions, no Consume.
// verdict: compile-error CSMain X3018
// group: resources
// error text: invalid subscript 'Consume'
// uav u0: structured 4 1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-appendstructuredbuffer (methods Append, GetDimensions); fxc's X3018 for a member an object lacks, as DirectXShaderCompiler's indexing-operator.hlsl records it
AppendStructuredBuffer<uint> queue : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    uint taken = queue.Consume();
}
