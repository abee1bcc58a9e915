// Windows: fxc's preprocessor expands a macro's arguments before '##' joins
// them, where C would join the argument as written.
// verdict: accepted
// probe: 5 0.5 0 1
// group: preprocessor
// source: the DirectXShaderCompiler issue "Argument macro expansion in token-pasting operator" ("fxc does macro expansion on its arguments before concatenating", its example accepted by fxc)
#include "probe_stages.hlsli"
#define INDEX 1
#define VALUE_1 5
#define PASTE(a, b) a##b
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(PASTE(VALUE_, INDEX), position.x, 0, position.w * 0.5);
}
