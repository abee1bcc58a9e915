// Windows: __LINE__ after #line gives the renumbered line.
// verdict: accepted
// probe: 101 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-line ("#line": changes the compiler's line number); C99 6.10.8 (__LINE__ is the current line number)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
#line 100
    float first = __LINE__;
    float line = __LINE__;
    return float4(line, position.x, 0, position.w * 0.5);
}
