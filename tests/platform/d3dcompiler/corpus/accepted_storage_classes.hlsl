// Windows: a global's storage classes and type modifiers: extern and uniform
// globals are the program's constants, static ones the shader's own; precise,
// const, row_major, column_major, snorm and unorm qualify variables.
// verdict: accepted
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (storage classes extern, nointerpolation, precise, shared, groupshared, static, uniform, volatile; type modifiers const, row_major, column_major)
extern float globalBias;
uniform float globalScale;
static float halfStep = 0.5;
static const row_major float2x2 turn = { 1, 0, 0, 1 };
float Shade(float y)
{
    precise float product = y * halfStep;
    const column_major float2x2 local = turn;
    snorm float signedWeight = -0.5;
    unorm float weight = 0.5;
    return product + weight + signedWeight * 0.0 + local[1][1] * 0.0 + globalBias * 0.0 + globalScale * 0.0;
}
#include "shade_stages.hlsli"
