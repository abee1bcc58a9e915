// Windows: no overload of Sample takes these 2 arguments: X3013.
// verdict: compile-error PSMain X3013
// group: resources
// error text: 'Sample': no matching 2 parameter intrinsic method
// texture t0: 2d r32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample (its overloads); fxc's X3013 form for a method no overload matches, as DirectXShaderCompiler's tools/clang/test/HLSL/ quotes it ("X3013: 'Load': no matching 1 parameter intrinsic method", RWByteAddressBuffer.Load)
#include "resource_stages.hlsli"
Texture2D<float> image : register(t0);
Texture2D<float> other : register(t1);
float4 PSMain() : SV_Target
{
    return image.Sample(other, float2(0.5, 0.5));
}
