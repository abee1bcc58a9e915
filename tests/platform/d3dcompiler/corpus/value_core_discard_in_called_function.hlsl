// Windows: discard in a function the pixel shader calls discards the pixel as
// it does in the entry point.
// verdict: accepted
// probe: 0.25 0.5 0.75 1
// clear: 0.25 0.5 0.75 1
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/discard--sm4---asm- and dx-graphics-hlsl-discard ("Do not output the result of the current pixel")
#include "probe_stages.hlsli"
float Check(float value)
{
    if (value > 0.5)
        discard;
    return value;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float v = Check(position.x * 2.0);
    return float4(v, v, v, v);
}
