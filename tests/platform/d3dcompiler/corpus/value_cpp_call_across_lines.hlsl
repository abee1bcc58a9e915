// Windows: a function-like macro's call may run over several lines.
// verdict: accepted
// probe: 4 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define; C99 6.10.3 (a call's arguments may span new-lines)
#include "probe_stages.hlsli"
#define ADD(a, b) ((a) + (b))
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(ADD(position.w,
                  2.0), position.x, 0, position.w * 0.5);
}
