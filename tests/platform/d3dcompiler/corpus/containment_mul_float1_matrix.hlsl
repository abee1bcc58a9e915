// Windows: mul of a float1 and a float4x4 compiles.
// verdict: accepted
// group: containment
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-mul (vector and matrix arguments); Windows' compiler builds this shader
float Shade(float y)
{
    float4x4 scale = float4x4(y, 0, 0, 0, 0, y, 0, 0, 0, 0, y, 0, 0, 0, 0, 1);
    return mul((float1)y, scale).x;
}
#include "shade_stages.hlsli"
