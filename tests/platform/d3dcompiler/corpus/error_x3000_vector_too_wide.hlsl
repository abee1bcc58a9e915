// Windows: vectors have one to four components; float5 names nothing.
// verdict: compile-error PSMain X3000
// group: types
// error text: unrecognized identifier 'float5'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-vector (one to four components); fxc's "X3000: unrecognized identifier 'fn_knr'" for a name that is no type, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl
float Shade(float y)
{
    float5 wide = 0;
    return y;
}
#include "shade_stages.hlsli"
