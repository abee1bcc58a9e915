// Windows: an intrinsic called with the wrong number of arguments.
// verdict: compile-error PSMain X3013
// group: intrinsics
// error text: 'lerp': no matching 2 parameter intrinsic function
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-lerp (three parameters); fxc's X3013 "no matching N parameter intrinsic" words, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/intrinsic-examples.hlsl
float Shade(float y)
{
    return lerp(0.5, y);
}
#include "shade_stages.hlsli"
