// Windows: Texture2DMS needs its template arguments: without them the name after it is a syntax error.
// verdict: compile-error PSMain X3000
// group: resources
// error text: syntax error: unexpected token 'resolved'
// texture t1: 2d r32_float 1x1
// source: fxc's words as DirectXShaderCompiler's tools/clang/test/HLSL/indexing-operator.hlsl records them (its fxc-error annotations, from running fxc on each line) ("Texture2DMS g_t2dms_err; ... X3000: syntax error: unexpected token 'g_t2dms_err'")
#include "resource_stages.hlsli"
Texture2DMS resolved : register(t0);
float4 PSMain() : SV_Target
{
    return 0;
}
