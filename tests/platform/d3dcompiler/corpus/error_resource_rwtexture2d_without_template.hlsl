// Windows: an RWTexture2D needs its element type: without it the name after it is a syntax error.
// verdict: compile-error PSMain X3000
// group: resources
// error text: syntax error: unexpected token 'written'
// texture t1: 2d r32_float 1x1
// source: fxc's words as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them (its fxc-error annotations, from running fxc on each line) ("RWTexture2D g_rw_t2d_err; ... X3000: syntax error: unexpected token 'g_rw_t2d_err'"); learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwtexture2d ("A RWTexture2D object requires an element type")
#include "resource_stages.hlsli"
RWTexture2D written : register(u0);
float4 PSMain() : SV_Target
{
    return 0;
}
