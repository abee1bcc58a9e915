// Windows: swizzles of scalars, repeated components, colour names, and a
// matrix's _m00 and _11 element names.
// verdict: accepted
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (swizzles of vectors and matrices, "float f = 1; float4 v = f.xxxx"... scalar swizzles)
float Shade(float y)
{
    float4 v = y.xxxx;
    float3 c = v.rgb + v.zzz;
    float2x2 m = float2x2(1, 2, 3, 4);
    float2 d = m._m00_m11 + m._11_22;
    return c.x * 0.25 + d.y * 0.0 + v.w * 0.25;
}
#include "shade_stages.hlsli"
