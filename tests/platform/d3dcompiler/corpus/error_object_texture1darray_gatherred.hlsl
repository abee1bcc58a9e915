// Windows: Texture1DArray has no GatherRed method: X3018.
// verdict: compile-error PSMain X3018
// group: resources
// error text: invalid subscript 'GatherRed'
// texture t0: 2d r32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture1darray (its methods, GatherRed not among them); fxc's X3018 words for a member an object lacks, as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them ("X3018: invalid subscript 'sample'")
#include "resource_stages.hlsli"
Texture1DArray<float> lines : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return lines.GatherRed(nearest, float2(0.5, 0));
}
