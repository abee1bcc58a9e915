// Windows: sqrt and rsqrt of a negative value are NaN; rcp(-0) is -INF.
// verdict: accepted
// probe: 1 1 4286578688 2
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-sqrt, dx-graphics-hlsl-rsqrt, dx-graphics-hlsl-rcp and windows/win32/direct3d11/floating-point-rules ("Divide by 0 produces +/- INF"; IEEE sqrt of a negative value is NaN)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float minusZero = asfloat(0x80000000u | (uint)(h - 0.5));
    return float4(isnan(sqrt(-h)), isnan(rsqrt(-h)), asuint(rcp(minusZero)), sqrt(h * 8.0));
}
