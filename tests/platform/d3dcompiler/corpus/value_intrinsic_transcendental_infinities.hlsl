// Windows: exp of a large negative value is 0, exp2 past the float range
// INF, log2 of INF is INF and rsqrt of INF 0.
// verdict: accepted
// probe: 0 2139095040 2139095040 0
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-exp, dx-graphics-hlsl-exp2, dx-graphics-hlsl-log2, dx-graphics-hlsl-rsqrt and windows/win32/direct3d11/floating-point-rules (IEEE results at INF; "log of +INF produces +INF"; "rsq(+INF) = +0")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float inf = asfloat(0x7F800000u | (uint)(h - 0.5));
    return float4(exp(-h * 2000.0), asuint(exp2(h * 512.0)), asuint(log2(inf)), rsqrt(inf));
}
