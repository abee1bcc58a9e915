// Windows: atan2(y, x) takes the quadrant from both signs, in [-pi, pi];
// atan2(0, negative x) is pi (read in thousandths).
// verdict: accepted
// probe: 2356 -2356 3142 1571
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-atan2 ("The signs of the x and y parameters are used to determine the quadrant of the return values within the range of -π to π") and dx-graphics-hlsl-asin
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float2 q = float2(atan2(h * 2.0, -h * 2.0), atan2(-h * 2.0, -h * 2.0));
    return round(float4(q, atan2(h - 0.5, -h), asin(h * 2.0)) * 1000.0);
}
