// Windows: sincos of a vector writes a vector of sines and one of cosines.
// verdict: accepted
// probe: 0 1 1000 0
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-sincos (x, s and c of any vector size)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float2 s;
    float2 c;
    sincos(float2(h - 0.5, h * 3.14159265), s, c);
    return float4(s.x, c.x, round(s.y * 1000.0), round(c.y * 1000.0));
}
