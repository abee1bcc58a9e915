// Windows: sincos called with 1 argument, which none of its overloads takes.
// verdict: compile-error PSMain X3013
// group: intrinsics
// error text: 'sincos': no matching 1 parameter intrinsic function
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-sincos (three parameters: x and the out parameters s and c); fxc's X3013 "no matching N parameter intrinsic" words, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/intrinsic-examples.hlsl
float Shade(float y)
{
    float s = 0;
    float c = 0;
    sincos(y);
    return 0.5 + s * c * y;
}
#include "shade_stages.hlsli"
