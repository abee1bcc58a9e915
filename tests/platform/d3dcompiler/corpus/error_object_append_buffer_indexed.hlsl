// Windows: an AppendStructuredBuffer has no [] operator: X3121.
// verdict: compile-error CSMain X3121
// group: resources
// error text: array, matrix, vector, or indexable object type expected in index expression
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-appendstructuredbuffer (Append and GetDimensions, no operator[]); fxc's X3121 words as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them for a TextureCube
AppendStructuredBuffer<uint> items : register(u0);
RWStructuredBuffer<uint> results : register(u1);
[numthreads(1, 1, 1)]
void CSMain()
{
    results[0] = items[0];
}
