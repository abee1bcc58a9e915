// Windows: an entry point's uniform parameter is a constant the program sets,
// in the first constant buffer when the shader has no other.
// verdict: accepted
// probe: 0 1 2 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters ("uniform": "the data is constant ... it comes from a constant register") and dx-graphics-hlsl-constants
#include "probe_stages.hlsli"
float4 PSMain(uniform float4 tint) : SV_Target
{
    return tint;
}
