// Windows: a macro taking ... replaces __VA_ARGS__ with its further
// arguments.
// verdict: accepted
// probe: 1 2 3 4
// group: preprocessor
// stand-in: differ glslang's preprocessor refuses a macro taking ... ('#define' : bad argument)
// source: fxc's own support for ... was not found documented; taken from Microsoft's C preprocessor (learn.microsoft.com/cpp/preprocessor/variadic-macros) and C99 6.10.3, which HLSL's preprocessor pages follow (learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-appendix-pre-define)
#include "probe_stages.hlsli"
#define MAKE4(...) float4(__VA_ARGS__)
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return MAKE4(position.x * 2.0, 2, 3, position.w * 2.0);
}
