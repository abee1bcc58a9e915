// Windows: "uniform" on a parameter of a function that is not the entry point
// changes nothing; an integer argument converts to its float type as for any
// parameter.
// verdict: accepted
// probe: 1 1 0 4
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-parameters ("uniform": the parameter's data is constant; arguments convert to the parameter's type)
#include "probe_stages.hlsli"
float4 Scaled(float4 p, uniform float scale)
{
    return p * scale;
}
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return Scaled(position, 2);
}
