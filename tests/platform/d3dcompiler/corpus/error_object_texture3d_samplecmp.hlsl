// Windows: Texture3D has no SampleCmp method: X3018.
// verdict: compile-error PSMain X3018
// group: resources
// error text: invalid subscript 'SampleCmp'
// texture t0: 2d r32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture3d (its methods, SampleCmp not among them); fxc's X3018 words for a member an object lacks, as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them ("X3018: invalid subscript 'sample'")
#include "resource_stages.hlsli"
Texture3D<float> volume : register(t0);
SamplerComparisonState less : register(s0);
float4 PSMain() : SV_Target
{
    return volume.SampleCmp(less, float3(0.5, 0.5, 0.5), 0.5);
}
