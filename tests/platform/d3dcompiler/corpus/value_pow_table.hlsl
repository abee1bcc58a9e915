// Windows: pow(x, y) is NaN for x < 0, 0 for x == 0 and y > 0, inf for
// x == 0 and y < 0, 1 for y == 0 (x > 0).
// verdict: accepted
// probe: 1 0 2139095040 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-pow (the table of results: "< 0 | any | NAN", "== 0 | > 0 | 0", "== 0 | < 0 | inf", "> 0 | == 0 | 1")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float two = position.x * 4.0;
    float zero = position.x - 0.5;
    return float4(isnan(pow(-two, two)), pow(zero, two), asuint(pow(zero, -two)), pow(two, zero));
}
