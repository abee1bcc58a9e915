// Windows: arrays whose size comes from their initialiser, global and local.
// verdict: accepted
// group: refuse
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (an array's size may be left out when an initialiser gives it)
static const float kLevels[] = { 0.25, 0.5, 0.75, 1.0 };
float Shade(float y)
{
    float weights[] = { 0.5, 0.5 };
    return weights[0] + weights[1] * kLevels[uint(y * 3.0) & 3];
}
#include "shade_stages.hlsli"
