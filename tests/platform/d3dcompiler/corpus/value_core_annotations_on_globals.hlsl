// Windows: a global may carry annotations between < and >, which the
// compiler keeps for reflection and which change no value.
// verdict: accepted
// probe: 0 1 2 1
// group: declarations
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (Type Name ... [Annotations] [= Initial_Value]) and dx-graphics-hlsl-annotations ("<DataType Name = Value; ... ;>")
#include "probe_stages.hlsli"
float g0 < string UIName = "first"; >;
float g1 < string UIName = "second"; int UIOrder = 2; float UIStep = 0.5; >;
float2 g23 < bool Hidden = true; >;
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return float4(g0, g1, g23.x, position.x * 2.0);
}
