// Windows: a type's array size cannot come from an initialiser.
// verdict: compile-error PSMain X3072
// group: refuse
// error text: array dimensions of type must be explicit
// source: fxc's "error X3072: array dimensions of type must be explicit" for "typedef int UNKA[];", quoted in DirectXShaderCompiler's tools/clang/test/HLSL/spec.hlsl
typedef float Levels[];
float Shade(float y)
{
    return 0.5 + 0.5 * y;
}
#include "shade_stages.hlsli"
