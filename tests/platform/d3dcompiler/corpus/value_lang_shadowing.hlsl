// Windows: a local hides a global of its name, and a block's local hides the
// enclosing one until the block ends.
// verdict: accepted
// probe: 7 3 2 10
// group: declarations
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (a variable's scope: global, or the block it is declared in), C's block scope rules
#include "probe_stages.hlsli"
static float g_value = 10.0;
float Global()
{
    return g_value;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float g_value = 2.0 + position.x * 0.0;
    float inner = 0.0;
    float outer = 0.0;
    {
        float g_value = 7.0;
        inner = g_value;
        {
            float g_value = 3.0;
            outer = g_value;
        }
    }
    return float4(inner, outer, g_value, Global());
}
