// Windows: a float4x4 cast to float3x3 keeps its upper-left 3x3; a row is
// read by indexing and swizzled; a matrix multiplies a vector on either side.
// verdict: accepted
// group: conversions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (matrix indexing and swizzles) and dx-graphics-hlsl-mul; casting a matrix to a smaller one keeps its upper-left part (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-type-conversions)
float Shade(float y)
{
    float4x4 world = float4x4(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, y, 0, 1);
    float3 n = mul((float3x3)world, float3(0, 1, 0));
    float3 m = mul(float3(0, 1, 0), (float3x3)world);
    float3 t = world[3].xyz;
    return 0.25 * (n.y + m.y) + t.y * 0.5;
}
#include "shade_stages.hlsli"
