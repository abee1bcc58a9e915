// Windows: arguments of the parameters' lengths, swizzled to them, or scalars
// that spread over a vector draw no X3206, nor do intrinsics given vectors
// of one length, nor arithmetic on float3s and scalars kept in a float3;
// the compile passes with warnings made errors.
// verdict: accepted
// flags: WARNINGS_ARE_ERRORS
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-cross, -dot, -lerp and -normalize; learn.microsoft.com/windows/win32/direct3dhlsl/d3dcompile-constants (D3DCOMPILE_WARNINGS_ARE_ERRORS)
float Brightness(float3 colour, float scale)
{
    return (colour.x + colour.y + colour.z) * scale;
}
float Shade(float y)
{
    float4 colour = float4(y, 0.25, 0.125, 1.0);
    float3 base = float3(0.0, 1.0, 0.0);
    float3 across = cross(colour.xyz, base);
    float3 direction = normalize(colour.xyz);
    float3 mixed = lerp(base, across, 0.5);
    float4 spread = saturate(colour) + 0.5;
    float3 scaled = -colour.xyz * 2.0 + (base - 1.0);
    float sum = Brightness(colour.rgb, 2) + Brightness(mixed, y) + dot(base, direction) + scaled.z;
    return (sum + spread.w) * 0.0 + 0.5;
}
#include "shade_stages.hlsli"
