// Windows: 'defined NAME' without parentheses tests the name as 'defined(NAME)' does.
// verdict: accepted
// probe: 2 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if (defined identifier, with or without parentheses)
#include "probe_stages.hlsli"
#define FEATURE
#if defined FEATURE && !defined MISSING
#define CHOICE 2
#else
#define CHOICE 1
#endif
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(CHOICE, position.x, 0, position.w * 0.5);
}
