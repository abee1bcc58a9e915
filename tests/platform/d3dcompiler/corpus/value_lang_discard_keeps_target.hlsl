// Windows: a discarded pixel writes nothing, so the target keeps the value
// it was cleared to; the return after a discard taken is never written, and
// a discard not taken leaves the pixel to be written as usual (the second
// discard's condition is false).
// verdict: accepted
// probe: 0.25 0.5 0.75 1
// clear: 0.25 0.5 0.75 1
// group: statements
// source: learn.microsoft.com/windows/win32/direct3dhlsl/discard ("Do not output the result of the current pixel") and dx-graphics-hlsl-discard
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    if (position.x > 2.0)
        discard;
    float4 colour = float4(9, 9, 9, 9);
    if (position.y < 1.0)
    {
        discard;
    }
    return colour;
}
