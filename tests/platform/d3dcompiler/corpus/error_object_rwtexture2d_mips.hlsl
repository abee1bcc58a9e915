// Windows: RWTexture2D has no mips method: X3018.
// verdict: compile-error PSMain X3018
// group: resources
// error text: invalid subscript 'mips'
// texture t0: 2d r32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwtexture2d (its methods, mips not among them); fxc's X3018 words for a member an object lacks, as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them ("X3018: invalid subscript 'sample'")
#include "resource_stages.hlsli"
RWTexture2D<float> image : register(u1);
float4 PSMain() : SV_Target
{
    return image.mips[0][uint2(0, 0)];
}
