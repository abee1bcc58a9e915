// Windows: a call of a name that is no intrinsic and no function declared.
// verdict: compile-error PSMain X3004
// group: intrinsics
// error text: undeclared identifier 'saturat'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3004 undeclared identifier); the name is that of no entry in dx-graphics-hlsl-intrinsic-functions
float Shade(float y)
{
    return saturat(y * 2.0);
}
#include "shade_stages.hlsli"
