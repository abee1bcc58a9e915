// Windows: AppendStructuredBuffer has no IncrementCounter method: X3018.
// verdict: compile-error PSMain X3018
// group: resources
// error text: invalid subscript 'IncrementCounter'
// texture t0: 2d r32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-appendstructuredbuffer (its methods, IncrementCounter not among them); fxc's X3018 words for a member an object lacks, as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them ("X3018: invalid subscript 'sample'")
#include "resource_stages.hlsli"
AppendStructuredBuffer<uint> items : register(u1);
float4 PSMain() : SV_Target
{
    return items.IncrementCounter();
}
