// Windows: asin and acos outside [-1, 1], log2 of a negative value and
// sqrt of -INF are NaN; atan of INF is pi / 2 (read in thousandths).
// verdict: accepted
// probe: 1 1 1 1571
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-asin and dx-graphics-hlsl-acos ("each component should be a value within the range of -1 to 1"), dx-graphics-hlsl-atan and windows/win32/direct3d11/floating-point-rules (IEEE results: NaN outside the domain)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float inf = asfloat(0x7F800000u | (uint)(h - 0.5));
    return float4(isnan(asin(h * 4.0)) && isnan(acos(-h * 4.0)), isnan(log2(-h)), isnan(sqrt(-inf)),
                  round(atan(inf) * 1000.0));
}
