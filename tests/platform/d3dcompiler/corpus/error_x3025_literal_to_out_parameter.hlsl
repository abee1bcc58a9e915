// Windows: a literal cannot be given to an out parameter.
// verdict: compile-error PSMain X3025
// group: functions
// error text: l-value specifies const object
// source: fxc's "X3025: l-value specifies const object" for fn_uinto(1), quoted in DirectXShaderCompiler's tools/clang/test/HLSL/functions.hlsl
void Store(out float v)
{
    v = 0.5;
}
float Shade(float y)
{
    Store(1.0);
    return 0.5 + 0.5 * y;
}
#include "shade_stages.hlsli"
