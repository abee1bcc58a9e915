// Windows: RWBuffer has no SampleLevel method: X3018.
// verdict: compile-error CSMain X3018
// group: resources
// error text: invalid subscript 'SampleLevel'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwbuffer (its methods, SampleLevel not among them); fxc's X3018 words for a member an object lacks, as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them ("X3018: invalid subscript 'sample'")
RWBuffer<float> items : register(u0);
SamplerState nearest : register(s0);
RWStructuredBuffer<float> results : register(u1);
[numthreads(1, 1, 1)]
void CSMain()
{
    results[0] = items.SampleLevel(nearest, 0.5, 0);
}
