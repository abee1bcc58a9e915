// Windows: unsigned applies to integer types only.
// verdict: compile-error PSMain X3085
// group: types
// error text: unsigned can not be used with type
// source: fxc's "X3085: unsigned can not be used with type" for unsigned float2x3, bool3x4, half4x1 and double1x2, quoted in github.com/microsoft/DirectXShaderCompiler/pull/106 (tools/clang/test/HLSL/matrix-syntax.hlsl)
float Shade(float y)
{
    unsigned float scale = 0.5;
    return scale * y;
}
#include "shade_stages.hlsli"
