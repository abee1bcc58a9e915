// Windows: length of a scalar is its absolute value, distance of scalars
// their difference's; int vectors convert to float.
// verdict: accepted
// probe: 3 3 5 13
// group: intrinsics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-length and dx-graphics-hlsl-distance ("x: float" in any size of vector, a scalar included; int arguments convert)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float h = position.x;
    int one = (int)(h * 2.0);
    return float4(length(-h * 6.0), distance(h * 4.0, h * 10.0), length(int2(3, 4) * one),
                  length(float3(3, 4, 12) * one));
}
