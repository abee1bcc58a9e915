// Windows: #pragma warning(once : 3206) still compiles, and warns.
// verdict: accepted
// warning: X3206 implicit truncation of vector type
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-pragma-warning ("once: Display the specified message only one time")
#pragma warning(once : 3206)
float Shade(float y)
{
    float2 pair = float4(0.5 + 0.0 * y, 0.5, 0.25, 0.125);
    float2 other = float3(y, 0.5, 0.25);
    return pair.x + other.y;
}
#include "shade_stages.hlsli"
