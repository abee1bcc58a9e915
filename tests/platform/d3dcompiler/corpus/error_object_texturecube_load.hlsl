// Windows: TextureCube has no Load method: X3018.
// verdict: compile-error PSMain X3018
// group: resources
// error text: invalid subscript 'Load'
// texture t0: 2d r32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texturecube (its methods, Load not among them); fxc's X3018 words for a member an object lacks, as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them ("X3018: invalid subscript 'sample'")
#include "resource_stages.hlsli"
TextureCube<float4> sky : register(t0);
float4 PSMain() : SV_Target
{
    return sky.Load(int3(0, 0, 0));
}
