// Windows: length and distance are Euclidean; cross(x, y) of the x and y
// axes is the z axis, and reversed its negative.
// verdict: accepted
// probe: 5 5 1 -1
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-length, dx-graphics-hlsl-distance and dx-graphics-hlsl-cross
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    float3 x = float3(h * 2.0, 0, 0);
    float3 y = float3(0, 1, 0);
    return float4(length(float2(3, 4) * h * 2.0), distance(float2(1, 1), float2(4, 5) * h * 2.0),
                  cross(x, y).z, cross(y, x).z);
}
