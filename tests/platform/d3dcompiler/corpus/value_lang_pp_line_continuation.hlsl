// Windows: a backslash at a line's end joins the next line to it, in a
// macro's definition and in an #if.
// verdict: accepted
// probe: 6 1 5 2
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define (a definition continued on the next line with a backslash)
#include "probe_stages.hlsli"
#define SUM3(a, b, c) \
    ((a) +            \
     (b) + (c))
#if 1 + \
    1 == 2
#define JOINED 1
#else
#define JOINED 0
#endif
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float half_ = SUM3(1, 2, 2);
    return float4(SUM3(1, 2, 3), JOINED, half_, position.x * 4.0);
}
