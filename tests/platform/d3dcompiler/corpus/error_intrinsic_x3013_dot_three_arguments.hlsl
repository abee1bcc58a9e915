// Windows: dot called with 3 arguments, which none of its overloads takes.
// verdict: compile-error PSMain X3013
// group: intrinsics
// error text: 'dot': no matching 3 parameter intrinsic function
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-dot (two parameters); fxc's X3013 "no matching N parameter intrinsic" words, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/intrinsic-examples.hlsl
float Shade(float y)
{
    return 0.5 + dot(float2(y, 1), float2(1, y), float2(0, 0)) * y;
}
#include "shade_stages.hlsli"
