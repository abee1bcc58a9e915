// Windows: in #if, the name of a function-like macro an included file
// defines, with no '(' after it, is no call and reads 0.
// verdict: accepted
// probe: 3 0.5 0 1
// group: preprocessor
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-if (the condition's identifiers); C99 6.10.1 (an identifier left after macro expansion reads 0), which the HLSL preprocessor follows; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-include
#include "probe_stages.hlsli"
#include "macro_library.hlsli"
#if LIB_TWICE
#define PICKED 7
#else
#define PICKED 3
#endif
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(PICKED, position.x, 0, position.w * 0.5);
}
