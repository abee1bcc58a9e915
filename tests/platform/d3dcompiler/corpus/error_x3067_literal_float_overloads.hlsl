// Windows: an unsuffixed float literal (and arithmetic of literals) is a
// "literal float" that reaches a float parameter and a double one equally,
// so the call of a function overloaded on both is ambiguous.
// verdict: compile-error PSMain X3067
// group: types
// error text: 'Overload': ambiguous function call
// source: fxc's "X3067: 'overload1': ambiguous function call" for overload1(1.0 * abs(-1)) with float and double overloads, in the fxc-error annotations of DirectXShaderCompiler's tools/clang/test/HLSL/intrinsic-examples.hlsl
float Overload(float f)
{
    return 1.0;
}
double Overload(double d)
{
    return 2.0L;
}
float Shade(float y)
{
    return y * (float)Overload(1.0 * 2);
}
#include "shade_stages.hlsli"
