// Windows: dot takes two vectors of one length; a float4 given with a float3
// is truncated to three components with warning X3206.
// verdict: accepted
// warning: X3206 implicit truncation of vector type
// group: warnings
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-dot (x and y are of one vector type); learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (3206 is a warning)
float Shade(float y)
{
    float4 wide = float4(y, 0.5, 0.25, 1.0);
    float3 narrow = float3(0.0, 1.0, 0.0);
    return dot(wide, narrow) * 0.0 + 0.5;
}
#include "shade_stages.hlsli"
