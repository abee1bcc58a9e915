// Windows: a scalar given to a vector fills every component; a longer
// vector given to a shorter one keeps its first components and warns.
// verdict: accepted
// probe: 3 3 1 2
// group: types
// warning: X3206 implicit truncation of vector type
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math ("a scalar is promoted") and hlsl-errors-and-warnings (X3206 implicit truncation of vector type)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float3 filled = h * 6.0;
    float4 wide = float4(1, 2, 3, 4) * h * 2.0;
    float2 cut = wide;
    return float4(filled.x, filled.z, cut.x, cut.y);
}
