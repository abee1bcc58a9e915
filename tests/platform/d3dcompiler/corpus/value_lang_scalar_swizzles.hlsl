// Windows: a scalar takes the swizzles of a one-component vector, .x or .r,
// repeated to make a vector.
// verdict: accepted
// probe: 0.5 0.5 1 2
// group: types
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar ("a scalar ... can be swizzled as a 1-component vector") and dx-graphics-hlsl-per-component-math
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float s = position.x;
    float4 v = s.rrrr;
    float2 twice = (s * 2.0).xx;
    return float4(v.x, s.r, twice.x, s.xxx.y + twice.y + 0.5);
}
