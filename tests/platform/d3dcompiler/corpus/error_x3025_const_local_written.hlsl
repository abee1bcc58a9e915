// Windows: a const variable cannot be assigned.
// verdict: compile-error PSMain X3025
// group: types
// error text: l-value specifies const object
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (const: "the variable cannot be changed by a shader"); fxc's "X3025: l-value specifies const object", quoted in DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl
float Shade(float y)
{
    const float scale = 0.5;
    scale = y;
    return scale;
}
#include "shade_stages.hlsli"
