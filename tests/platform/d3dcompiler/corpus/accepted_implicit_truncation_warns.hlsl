// Windows: giving a float4 where a float2 is wanted drops components with
// warning X3206 (implicit truncation of vector type); the compile succeeds.
// verdict: accepted
// warning: X3206 implicit truncation of vector type
// group: conversions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3206: implicit truncation of vector type, a warning)
float Shade(float y)
{
    float2 pair = float4(y, 0.5, 0.25, 0.125);
    float single = pair;
    return pair.x + single;
}
#include "shade_stages.hlsli"
