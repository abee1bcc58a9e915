// Windows: [NumThreads] in title case sizes a compute shader's group as [numthreads] does.
// verdict: accepted CSMain
// group: attributes
// uav u0: structured 4 4
// expect u0: 1 1 1 1
// source: DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl ([NumThreads(1,2,3)] under "Test support for title case in attributes", which fxc compiles) and learn.microsoft.com/windows/win32/direct3dhlsl/sm5-attributes-numthreads
RWStructuredBuffer<uint> written : register(u0);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[NumThreads(4, 1, 1)]
void CSMain(uint index : SV_GroupIndex)
{
    written[index] = 1;
}
