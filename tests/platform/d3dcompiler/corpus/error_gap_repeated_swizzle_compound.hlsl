// Windows: a compound assignment to a swizzle that names a component twice
// is refused as a plain one is.
// verdict: compile-error PSMain -
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (a write mask names each component once); DirectXShaderCompiler refuses it too ("vector is not assignable (contains duplicate components)"); fxc's number for it was not found quoted
float Shade(float y)
{
    float4 colour = float4(y, 0.5, 0.25, 1.0);
    colour.rgr += float3(1.0, 2.0, 3.0);
    return colour.r;
}
#include "shade_stages.hlsli"
