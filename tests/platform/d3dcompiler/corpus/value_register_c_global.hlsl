// Windows: a global variable is a constant in $Globals, and register(cN) places it at register N.
// verdict: accepted
// probe: 12 13 14 15
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-register ("register(c3)" binds a global constant to register c3) and dx-graphics-hlsl-constants (globals go to the $Globals constant buffer)
#include "probe_stages.hlsli"
float4 g : register(c3);
float4 PSMain() : SV_Target
{
    return g;
}
