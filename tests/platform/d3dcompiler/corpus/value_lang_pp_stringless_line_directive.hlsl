// Windows: #line N makes the next line N for __LINE__, and lines count on
// from there.
// verdict: accepted
// probe: 40 41 50 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-line ("#line line-number")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float4 r;
#line 40
    r.x = __LINE__;
    r.y = __LINE__;
#line 50
    r.z = __LINE__;
    r.w = position.x * 2.0;
    return r;
}
