// Windows: a global const with an initialiser is still a uniform: the shader reads $Globals, the initialiser is only a default (warning X3207).
// verdict: accepted
// warning: X3207 Initializer used on a global 'const' variable. This requires setting an external constant. If a literal is desired, use 'static const' instead.
// probe: 4 5 6 7
// group: values
// source: fxc's warning X3207 "Initializer used on a global 'const' variable. This requires setting an external constant. If a literal is desired, use 'static const' instead."; learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (non-static globals are uniform)
#include "probe_stages.hlsli"
float4 first;
const float4 second = float4(1, 1, 1, 1);
static const float4 literal = float4(0, 0, 0, 0);
float4 PSMain() : SV_Target
{
    return second + literal;
}
