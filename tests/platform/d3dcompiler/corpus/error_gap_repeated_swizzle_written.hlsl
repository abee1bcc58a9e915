// Windows: a swizzle naming one component twice cannot be written.
// verdict: compile-error PSMain -
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (a write mask names each component once); DirectXShaderCompiler refuses it too ("vector is not assignable (contains duplicate components)"); fxc's number for it was not found quoted
float Shade(float y)
{
    float2 pair = float2(y, 0.5);
    pair.xx = float2(1.0, 2.0);
    return pair.x;
}
#include "shade_stages.hlsli"
