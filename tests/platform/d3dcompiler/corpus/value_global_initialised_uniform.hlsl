// Windows: a global variable that is neither static nor const is a uniform
// even with an initialiser: the shader reads $Globals, the initialiser is only
// its default value.
// verdict: accepted
// probe: 0 1 2 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax ("uniform ... Global variables are considered uniform by default"; the initialiser of a uniform is a default set through the effect or reflection) and dx-graphics-hlsl-constants (globals go to $Globals)
#include "probe_stages.hlsli"
float4 g = float4(9, 9, 9, 9);
float4 PSMain() : SV_Target
{
    return g;
}
