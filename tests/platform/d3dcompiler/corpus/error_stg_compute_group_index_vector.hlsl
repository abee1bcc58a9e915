// Windows: SV_GroupIndex is a uint scalar; declared as a uint3 it is refused.
// verdict: compile-error CSMain -
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sv-groupindex (a uint, the flattened index) and DirectXShaderCompiler issue 4991 ("SV_GroupIndex is 1D"; fxc refuses wrong system-value types, as pull request 3043 records); fxc's words for it were not found
RWStructuredBuffer<uint> results : register(u0);
[numthreads(4, 1, 1)]
void CSMain(uint3 index : SV_GroupIndex)
{
    results[index.x] = index.x;
}
