// Windows: intrinsic arguments convert as any call's do: a float4 given to
// dot with a float3 and to cross is truncated (warning X3206), a scalar
// spreads over a vector's components, an int becomes a float.
// verdict: accepted
// warning: X3206 implicit truncation of vector type
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-dot, -cross and -lerp; learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3206: implicit truncation of vector type, a warning)
float Shade(float y)
{
    float4 wide = float4(y, 0.5, 0.25, 1.0);
    float3 narrow = float3(0.0, 1.0, 0.0);
    float d = dot(wide, narrow);
    float3 c = cross(wide, narrow);
    float3 l = lerp(narrow, c, 0.5);
    int whole = 2;
    return d + l.y + saturate(whole) * 0.0 + sqrt(whole) * 0.0;
}
#include "shade_stages.hlsli"
