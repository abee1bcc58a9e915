// Windows: an array of one-component vectors takes an initialiser list of
// scalars, one per element.
// verdict: accepted
// probe: 0.5 1 1.5 0
// group: values
// stand-in: crash glslang crashes on any initialiser list for an array of one-component vectors
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-variable-syntax (Initial Value: "{ expression, ... }", assigned in order to the variable's components) and dx-graphics-hlsl-vector (float1 is a vector of one component)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float y = position.x; // 0.5
    float1 ones[3] = { y, y * 2.0, y * 3.0 };
    return float4(ones[0].x, ones[1].x, ones[2].x, 0);
}
