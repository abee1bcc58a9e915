// Windows: a flat initialiser list fills arrays of structures holding vectors in declaration order.
// verdict: accepted
// probe: 6 7 8 5
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (Initial Value: "{ expression, ... }" lists; the values are assigned in order to the variable's components) and dx-graphics-hlsl-struct
#include "probe_stages.hlsli"
struct Light
{
    float intensity;
    float3 colour;
};
static const float2 kScale[2] = { 1, 2, 3, 4 };
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Light lights[2] = { 1, 2, 3, 4, 5, 6, 7, 8 };
    return float4(lights[1].colour, lights[1].intensity) * kScale[0].x;
}
