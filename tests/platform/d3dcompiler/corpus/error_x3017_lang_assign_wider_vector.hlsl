// Windows: a float3 value assigned to a float4 local.
// verdict: compile-error PSMain X3017
// group: types
// error text: cannot implicitly convert from 'float3' to 'float4'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-type-conversions (vector truncation only; no vector extension); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3017: cannot convert)
float Shade(float y)
{
    float3 v = float3(y, 0.5, 0.25);
    float4 w = v;
    return w.x;
}
#include "shade_stages.hlsli"
