// Windows: a packoffset holds a register and component, nothing after them.
// verdict: compile-error PSMain X3000
// group: refuse
// error text: syntax error
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-packoffset (packoffset( c[Subcomponent][.component] )); fxc reports such text as "error X3000: syntax error: unexpected token", as in the fxc-error annotations of DirectXShaderCompiler's tools/clang/test/HLSL/packreg.hlsl
cbuffer lighting : register(b1)
{
    float4 ambient : packoffset(c0 extra);
};
float Shade(float y)
{
    return ambient.x * y;
}
#include "shade_stages.hlsli"
