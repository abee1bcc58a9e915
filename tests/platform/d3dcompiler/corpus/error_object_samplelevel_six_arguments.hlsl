// Windows: no overload of SampleLevel takes these 6 arguments: X3013.
// verdict: compile-error PSMain X3013
// group: resources
// error text: 'SampleLevel': no matching 6 parameter intrinsic method
// texture t0: 2d r32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplelevel (its overloads); fxc's X3013 form for a method no overload matches, as DirectXShaderCompiler's tools/clang/test/HLSL/ quotes it ("X3013: 'Load': no matching 1 parameter intrinsic method", RWByteAddressBuffer.Load)
#include "resource_stages.hlsli"
Texture2D<float> image : register(t0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return image.SampleLevel(nearest, float2(0.5, 0.5), 0, int2(0, 0), 1, 2);
}
