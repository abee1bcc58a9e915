// Windows: no overload of Load takes these 0 arguments: X3013.
// verdict: compile-error PSMain X3013
// group: resources
// error text: 'Load': no matching 0 parameter intrinsic method
// texture t0: 2d r32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-byteaddressbuffer-load (its overloads); fxc's X3013 form for a method no overload matches, as DirectXShaderCompiler's tools/clang/test/HLSL/ quotes it ("X3013: 'Load': no matching 1 parameter intrinsic method", RWByteAddressBuffer.Load)
#include "resource_stages.hlsli"
ByteAddressBuffer raw : register(t0);
float4 PSMain() : SV_Target
{
    return raw.Load();
}
