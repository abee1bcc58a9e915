// Windows: global variables are packed into $Globals by the constant buffer
// rules: a float3 after a float shares its register.
// verdict: accepted
// probe: 0 1 2 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-packing-rules and learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-constants (global variables go to the $Globals constant buffer)
#include "probe_stages.hlsli"
float g1;
float3 g2;
float4 PSMain() : SV_Target
{
    return float4(g1, g2);
}
