// Windows: an operator between a longer and a shorter vector truncates the
// longer to the shorter's size, with warning X3206; a float4x4 given to a
// float3x3 keeps its upper-left part.
// verdict: accepted
// probe: 11 22 6 10
// group: values
// warning: X3206 implicit truncation of vector type
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-per-component-math (vector truncation to the smaller size) and hlsl-errors-and-warnings (X3206 implicit truncation of vector type)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float4 wide = float4(1, 2, 3, 4) * one;
    float2 narrow = float2(10, 20);
    float2 sum = wide + narrow;
    float4x4 big = float4x4(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15) * one;
    float3x3 small = big;
    return float4(sum.x, sum.y, small._23, small[2][2]);
}
