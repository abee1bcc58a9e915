// Windows: normalize of a float4 is a float4; storing it in a float3 drops
// the last component with warning X3206, as any float4 value would.
// verdict: accepted
// warning: X3206 implicit truncation of vector type
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-normalize (the result has the argument's type, "ret normalize(x)" with x a vector); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (3206 is a warning)
float Shade(float y)
{
    float4 position = float4(y, 1.0, 0.0, 1.0);
    float3 direction = normalize(position);
    return direction.y * 0.0 + 0.5;
}
#include "shade_stages.hlsli"
