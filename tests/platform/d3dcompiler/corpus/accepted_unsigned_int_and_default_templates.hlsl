// Windows: unsigned int is uint; vector and matrix without arguments are
// float4 and float4x4, also as a structured buffer's element.
// verdict: accepted
// group: types
// source: github.com/microsoft/DirectXShaderCompiler/issues/2034 ("vector v; matrix m; that stuff builds on both DXC and FXC") and issues/591 (StructuredBuffer<matrix> compiles with fxc); github.com/microsoft/DirectXShaderCompiler/pull/106 (unsigned with integer types)
float Shade(float y)
{
    unsigned int count = 2;
    vector v = float4(y, 0.5, 0.25, 1.0);
    matrix m = (matrix)0;
    return v.x + count * 0.0 + m[0][0];
}
#include "shade_stages.hlsli"
