// Windows: a '\' before a line's end joins the lines before tokens are read,
// also inside a name.
// verdict: accepted
// probe: 3 0.5 0 1
// group: syntax
// source: C99 5.1.1.2 (line splicing comes before tokenisation), which learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define relies on for continued definitions
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float value = 3.0;
    return float4(val\
ue, position.x, 0, position.w * 0.5);
}
