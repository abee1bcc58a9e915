// Windows: smoothstep with equal edges and x past them is saturate of +INF,
// 1; on them, saturate of NaN, 0; with the edges the wrong way round the
// formula still holds: t = (x - a) / (b - a), here 0.5.
// verdict: accepted
// probe: 1 0 0.5 1
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-smoothstep (t = saturate((x - min) / (max - min)), then t * t * (3 - 2 * t)) and windows/win32/direct3d11/floating-point-rules (x / 0 is INF for x > 0, 0 / 0 NaN; saturate of NaN is 0)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    return float4(smoothstep(h, h, h + 0.25), smoothstep(h, h, h), smoothstep(h * 2.0, h, h * 1.5),
                  smoothstep(h, h, 2.0));
}
