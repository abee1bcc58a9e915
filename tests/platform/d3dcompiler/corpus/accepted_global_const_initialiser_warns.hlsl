// Windows: a global const with an initialiser stays a constant the program
// sets (the initialiser is its default), and the compiler warns X3207;
// `static const` is the literal the warning points to, and draws none.
// verdict: accepted
// warning: X3207 Initializer used on a global 'const' variable. This requires setting an external constant. If a literal is desired, use 'static const' instead.
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (globals not marked static are uniform, set by the program); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (3207 is a warning); the words as value_global_const_initialised.hlsl gives them
const float scale = 0.5;
static const float offset = 0.25;
float Shade(float y)
{
    return scale * 0.0 + offset * 0.0 + y * 0.0 + 0.5;
}
#include "shade_stages.hlsli"
