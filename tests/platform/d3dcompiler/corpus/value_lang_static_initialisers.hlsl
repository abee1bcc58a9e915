// Windows: a global static is initialised before the entry point runs, and
// its initialiser may read statics declared before it.
// verdict: accepted
// probe: 2 6 7 3
// group: declarations
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (static globals: initialised once, by their initialisers); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-static (reasoning: initialisers are evaluated in declaration order)
#include "probe_stages.hlsli"
static float s_base = 2.0;
static float s_scaled = s_base * 3.0;
static const float3 s_table = float3(7.0, 8.0, 9.0);
static int s_count = 3;
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(s_base, s_scaled, s_table.x, s_count + position.x * 0.0);
}
