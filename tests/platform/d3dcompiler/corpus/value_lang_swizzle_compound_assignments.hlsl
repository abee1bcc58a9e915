// Windows: compound assignments through a swizzle change just the named
// components, in the order the swizzle names them, with the right side read
// before any is written (v.yx = v.xy swaps).
// verdict: accepted
// probe: 3 11 -3 8
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (swizzles on the left of an assignment; no component named twice) and dx-graphics-hlsl-operators (compound assignments)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float4 v = float4(1, 2, 3, 4) * (position.x * 2.0);
    v.xy += 10;            // 11 12 3 4
    v.wz *= float2(2, 3);  // 11 12 9 8
    v.yx = v.xy;           // 12 11 9 8
    v.xz -= v.zx;          // 3 11 -3 8
    return v;
}
