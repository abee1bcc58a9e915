// Windows: a postfix increment gives the value before, a prefix one the
// value after; ++ and -- act on each component of a vector, or on one
// component through a swizzle.
// verdict: accepted
// probe: 10 30 3 8
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (unary operators ++ and --, prefix and postfix; operators work per component)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    int i = int(one);
    int a = i++ * 10; // 10, i 2
    int b = ++i * 10; // 30, i 3
    float3 v = float3(1, 2, 3) * one;
    v++;              // 2 3 4
    v.y--;            // 2 2 4
    return float4(a, b, i, v.x + v.y + v.z);
}
