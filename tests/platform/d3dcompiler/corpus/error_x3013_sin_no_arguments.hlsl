// Windows: an intrinsic called without its argument.
// verdict: compile-error PSMain X3013
// group: intrinsics
// error text: 'sin': no matching 0 parameter intrinsic function
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-sin (one parameter); fxc's X3013 "no matching N parameter intrinsic" words, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/intrinsic-examples.hlsl
float Shade(float y)
{
    return 0.5 + sin() * y;
}
#include "shade_stages.hlsli"
