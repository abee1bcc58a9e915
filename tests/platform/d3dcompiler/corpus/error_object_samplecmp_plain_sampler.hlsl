// Windows: no overload of SampleCmp takes these 3 arguments: X3013.
// verdict: compile-error PSMain X3013
// group: resources
// error text: 'SampleCmp': no matching 3 parameter intrinsic method
// texture t0: 2d r32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-samplecmp (its overloads); fxc's X3013 form for a method no overload matches, as DirectXShaderCompiler's tools/clang/test/HLSL/ quotes it ("X3013: 'Load': no matching 1 parameter intrinsic method", RWByteAddressBuffer.Load)
#include "resource_stages.hlsli"
Texture2D<float> image : register(t0);
SamplerState plain : register(s0);
float4 PSMain() : SV_Target
{
    return image.SampleCmp(plain, float2(0.5, 0.5), 0.5);
}
