// Windows: a global const without an initialiser is still a uniform in $Globals, read from the constant buffer.
// verdict: accepted
// probe: 4 5 6 7
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax ("const": "the variable cannot be changed by the shader"; global variables are uniform unless static, and are set by the application)
#include "probe_stages.hlsli"
float4 first;
const float4 second;
float4 PSMain() : SV_Target
{
    return second;
}
