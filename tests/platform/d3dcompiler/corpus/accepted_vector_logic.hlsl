// Windows: comparisons of vectors give bool vectors, which any, all, the
// conditional operator and casts take component by component.
// verdict: accepted
// group: conversions
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (component-wise comparison, conditional operator) and dx-graphics-hlsl-any, -all
float Shade(float y)
{
    float3 v = float3(y, 0.5, -0.25);
    bool3 positive = v > 0;
    float3 picked = positive ? v : -v;
    int3 whole = (int3)(v * 4);
    uint bits = asuint(y) >> 3 & 0xFF;
    float any_ = any(positive) ? 0.25 : 0.0;
    float all_ = all(v != 0) ? 0.25 : 0.0;
    return picked.x + any_ + all_ + whole.z * 0.0 + bits * 0.0 + (isnan(y) ? 1.0 : 0.0);
}
#include "shade_stages.hlsli"
