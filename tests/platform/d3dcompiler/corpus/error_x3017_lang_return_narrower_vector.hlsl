// Windows: a function returning float4 given a float3: widening is no
// implicit conversion.
// verdict: compile-error PSMain X3017
// group: types
// error text: cannot implicitly convert from 'float3' to 'float4'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-type-conversions (vectors convert only to vectors of at most their size); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3017: cannot convert)
float4 Widen(float y)
{
    return float3(y, y, y);
}
float Shade(float y)
{
    return Widen(y).x;
}
#include "shade_stages.hlsli"
