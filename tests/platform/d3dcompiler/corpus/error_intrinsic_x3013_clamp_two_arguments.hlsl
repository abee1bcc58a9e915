// Windows: clamp called with 2 arguments, which none of its overloads takes.
// verdict: compile-error PSMain X3013
// group: intrinsics
// error text: 'clamp': no matching 2 parameter intrinsic function
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-clamp (three parameters); fxc's X3013 "no matching N parameter intrinsic" words, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/intrinsic-examples.hlsl
float Shade(float y)
{
    return 0.5 + clamp(y, 0.0) * y;
}
#include "shade_stages.hlsli"
