// Windows: a matrix passed in is the callee's copy, an inout matrix is
// copied in and back, an out matrix is copied back from what the callee
// writes.
// verdict: accepted
// probe: 2 6 5 7
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters (in: copied in; out: copied out; inout: both)
#include "probe_stages.hlsli"
float2x2 Doubled(in float2x2 m)
{
    m *= 2;
    return m;
}
void Scale(inout float2x2 m, float s)
{
    m = m * s;
}
void Fill(out float3x2 m, float base)
{
    m = float3x2(base, base + 1, base + 2, base + 3, base + 4, base + 5);
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float2x2 kept = float2x2(1, 2, 3, 4) * one;
    float2x2 twice = Doubled(kept);
    Scale(kept, 3);
    float3x2 filled;
    Fill(filled, one * 2);
    return float4(twice._11, kept._12, filled._22, filled[2][1]);
}
