// Windows: a local at a function's outermost level may not take a
// parameter's name; both live in the function's own scope.
// verdict: compile-error PSMain X3003
// group: declarations
// error text: redefinition of 'y'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3003: redefinition); C's rule that a function's parameters and its outermost block share one scope, which HLSL's functions follow (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax)
float Shade(float y)
{
    float y = 2.0;
    return y;
}
#include "shade_stages.hlsli"
