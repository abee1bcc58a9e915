// Windows: an entry point's uniform parameters are packed by the constant
// packing rules: a float2, then a float in the same register.
// verdict: accepted
// probe: 0 1 2 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-packoffset ("A uniform parameter in the parameter list of a function will be added to a $Param constant buffer by the compiler when the shader is compiled outside of the effects framework") and dx-graphics-hlsl-packing-rules
#include "probe_stages.hlsli"
float4 PSMain(uniform float2 a, uniform float b) : SV_Target
{
    return float4(a, b, 0);
}
