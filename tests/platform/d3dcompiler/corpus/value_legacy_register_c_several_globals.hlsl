// Windows: register(cN) places each global in $Globals at register N, in any
// order.
// verdict: accepted
// probe: 8 0 1 2
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-register (register(c#) on a global constant) and dx-graphics-hlsl-constants ($Globals)
#include "probe_stages.hlsli"
float a : register(c2);
float3 b : register(c0);
float4 PSMain() : SV_Target
{
    return float4(a, b);
}
