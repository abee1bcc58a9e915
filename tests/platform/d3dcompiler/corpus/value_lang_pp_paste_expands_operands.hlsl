// Windows: fxc's preprocessor expands a macro argument before ## joins it,
// where C would join the argument's own name.
// verdict: accepted
// probe: 7 1 0 1
// group: preprocessor
// source: DirectXShaderCompiler issue 1005 ("fxc does macro expansion on its arguments before concatenating, but dxc does not"; fxc accepts the example) and issue 2158 (fxc expands such tokens, which -flegacy-macro-expansion imitates)
#include "probe_stages.hlsli"
#define INDEX 2
#define PICK(n) value##n
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float value2 = 7.0;
    return float4(PICK(INDEX), 1.0, 0.0, position.x * 2.0);
}
