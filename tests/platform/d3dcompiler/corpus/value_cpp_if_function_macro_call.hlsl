// Windows: a function-like macro called in an #if condition expands as in code.
// verdict: accepted
// probe: 2 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if (macros in the condition are expanded first)
#include "probe_stages.hlsli"
#define TWICE(x) ((x) * 2)
#if TWICE(2) == 4
#define CHOICE 2
#else
#define CHOICE 1
#endif
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(CHOICE, position.x, 0, position.w * 0.5);
}
