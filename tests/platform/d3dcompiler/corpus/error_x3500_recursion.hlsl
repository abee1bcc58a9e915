// Windows: functions may not call themselves.
// verdict: compile-error PSMain X3500
// group: functions
// error text: 'Fold': recursive functions not allowed in ps_5_0
// source: fxc's "error X3500: 'f': recursive functions not allowed in vs_5_1", quoted in github.com/microsoft/DirectXShaderCompiler/issues/62, and "error X3500: 'Random::Init': recursive functions not allowed in vs_5_0" in github.com/microsoft/DirectXShaderCompiler/issues/2370
float Fold(float y, int n)
{
    if (n <= 0)
        return y;
    return Fold(y * 0.5, n - 1);
}
float Shade(float y)
{
    return 0.5 + Fold(y, 1);
}
#include "shade_stages.hlsli"
