// Windows: smoothstep called with 2 arguments, which none of its overloads takes.
// verdict: compile-error PSMain X3013
// group: intrinsics
// error text: 'smoothstep': no matching 2 parameter intrinsic function
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-smoothstep (three parameters); fxc's X3013 "no matching N parameter intrinsic" words, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/intrinsic-examples.hlsl
float Shade(float y)
{
    return 0.5 + smoothstep(0.0, y) * y;
}
#include "shade_stages.hlsli"
