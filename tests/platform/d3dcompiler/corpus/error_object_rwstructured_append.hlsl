// Windows: RWStructuredBuffer has no Append method: X3018.
// verdict: compile-error CSMain X3018
// group: resources
// error text: invalid subscript 'Append'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwstructuredbuffer (its methods, Append not among them); fxc's X3018 words for a member an object lacks, as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them ("X3018: invalid subscript 'sample'")
RWStructuredBuffer<float> items : register(u0);
RWStructuredBuffer<float> results : register(u1);
[numthreads(1, 1, 1)]
void CSMain()
{
    items.Append(1.0);
}
