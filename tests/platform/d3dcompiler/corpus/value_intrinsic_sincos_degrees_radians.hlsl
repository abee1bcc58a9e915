// Windows: sincos writes the sine and the cosine to its out parameters;
// degrees and radians convert by 180 / pi.
// verdict: accepted
// probe: 0 1 180 3142
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-sincos (s and c are out parameters), dx-graphics-hlsl-degrees and dx-graphics-hlsl-radians
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float s;
    float c;
    sincos(h - 0.5, s, c);
    return float4(s, c, round(degrees(h * 6.2831853)), round(radians(h * 360.0) * 1000.0));
}
