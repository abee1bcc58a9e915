// Windows: no overload of Append takes these 2 arguments: X3013.
// verdict: compile-error PSMain X3013
// group: resources
// error text: 'Append': no matching 2 parameter intrinsic method
// texture t0: 2d r32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-appendstructuredbuffer-append (its overloads); fxc's X3013 form for a method no overload matches, as DirectXShaderCompiler's tools/clang/test/HLSL/ quotes it ("X3013: 'Load': no matching 1 parameter intrinsic method", RWByteAddressBuffer.Load)
#include "resource_stages.hlsli"
AppendStructuredBuffer<float> items : register(u1);
float4 PSMain() : SV_Target
{
    items.Append(1, 2);
    return 0;
}
