// Windows: a macro with the # operator may be defined; one never called
// makes no string.
// verdict: accepted
// probe: 5 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define (# among the operators a definition may use)
#include "probe_stages.hlsli"
#define NAME_OF(x) #x
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(5, position.x, 0, position.w * 0.5);
}
