// Windows: a scalar takes a swizzle of its one component (x or r) repeated,
// giving a vector.
// verdict: accepted
// probe: 2 2 2 1
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar (a scalar is a one-component vector) and dx-graphics-hlsl-per-component-math (swizzles)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float two = position.x * 4.0;
    float3 v = two.xxx;
    return float4(v.xy, two.r, 1);
}
