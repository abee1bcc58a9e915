// Windows: frac(x) is x - floor(x), so 0.75 for -1.25; modf keeps x's sign
// in both parts.
// verdict: accepted
// probe: 0.75 0.5 -0.75 -2
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-frac ("greater than or equal to 0 and less than 1") and dx-graphics-hlsl-modf ("each of which has the same sign as x")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float x = -position.x * 2.5; // -1.25
    float whole;
    float fraction = modf(x - 1.5, whole); // -2.75
    return float4(frac(x), frac(x * 2.0), fraction, whole);
}
