// Windows: smoothstep with equal edges divides by zero: t is saturate of
// -INF (0) below them or NaN (0, at the edge itself).
// verdict: accepted
// probe: 0.5 0 0 0.5
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-smoothstep (t = saturate((x - min) / (max - min))) and windows/win32/direct3d11/floating-point-rules (saturate of NaN is 0; division by 0 gives INF, 0 / 0 NaN)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    return float4(smoothstep(h, h * 3.0, h * 2.0), smoothstep(h, h, h - 0.25), smoothstep(h, h, h),
                  smoothstep(0.0, h * 2.0, h));
}
