// Windows: a comparison of matrices gives a bool matrix of the same shape.
// verdict: accepted
// probe: 1 0 1 1
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (comparison operators work per component on matrices) and dx-graphics-hlsl-matrix (bool is a matrix component type)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2x2 values = float2x2(position.x, 0, 1, position.x * 2.0);
    bool2x2 positive = values > 0.25;
    return float4(positive[0], positive[1]);
}
