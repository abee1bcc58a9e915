// Windows: cross takes two float3s; float4 arguments are truncated to them
// with warning X3206 (implicit truncation of vector type).
// verdict: accepted
// warning: X3206 implicit truncation of vector type
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-cross (cross(x, y): x and y are float3 vectors, the result a float3); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (3206 is a warning)
float Shade(float y)
{
    float4 across = float4(1.0, 0.0, 0.0, y);
    float4 up = float4(0.0, 1.0, 0.0, 1.0);
    float3 normal = cross(across, up);
    return normal.z * 0.0 + 0.5;
}
#include "shade_stages.hlsli"
