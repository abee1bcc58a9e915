// Windows: a vector cast to a scalar keeps its first component, a scalar
// cast to a vector or matrix fills every component, and a matrix cast to a
// smaller one keeps its upper-left part.
// verdict: accepted
// probe: 3 5 5 6
// group: values
// source: the HLSL reference's table of type conversions (learn.microsoft.com/windows/win32/direct3dhlsl, data types: scalar to vector and scalar to matrix replicate the scalar; vector to scalar copies the first component; matrix to matrix keeps the upper-left part)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float three = position.x * 6.0;
    float first = (float)float3(three, 7, 8);
    float4 filled = (float4)(three + 2);
    float3x3 big = float3x3(1, 2, 3, 4, 5, 6, 7, 8, 9);
    float2x2 small = (float2x2)big;
    return float4(first, filled.w, small[1].y, small[0].x + small[1].x + 1);
}
