// Windows: arithmetic on a float4 and scalars is a float4; storing it in a
// float3 drops the last component with warning X3206, as a float4 name
// would; with warnings made errors the compile fails on it.
// verdict: compile-error PSMain X3206
// flags: WARNINGS_ARE_ERRORS
// error text: implicit truncation of vector type
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (a scalar operand is promoted to the vector's size; the result has the operands' type); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (3206, implicit truncation of vector type, a warning)
float Shade(float y)
{
    float4 colour = float4(y, 0.25, 0.125, 1.0);
    float3 scaled = colour * 2.0;
    return scaled.x * 0.0 + 0.5;
}
#include "shade_stages.hlsli"
