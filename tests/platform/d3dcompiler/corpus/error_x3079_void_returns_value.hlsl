// Windows: a void function returns no value.
// verdict: compile-error PSMain X3079
// group: functions
// error text: void functions cannot return a value
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-return; fxc's "X3079: 'f': void functions cannot return a value"
void Nothing(float y)
{
    return y;
}
float Shade(float y)
{
    Nothing(y);
    return 0.5 + 0.5 * y;
}
#include "shade_stages.hlsli"
