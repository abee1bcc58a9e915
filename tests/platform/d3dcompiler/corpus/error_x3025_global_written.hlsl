// Windows: globals that are not static are the program's constants; a shader
// may not write them.
// verdict: compile-error PSMain X3025
// group: types
// error text: global variables are implicitly constant, enable compatibility mode to allow modification
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (global variables are uniform unless static; D3DCOMPILE_ENABLE_BACKWARDS_COMPATIBILITY); fxc's "X3025: global variables are implicitly constant, enable compatibility mode to allow modification"
float globalScale;
float Shade(float y)
{
    globalScale = 0.5;
    return globalScale * y;
}
#include "shade_stages.hlsli"
