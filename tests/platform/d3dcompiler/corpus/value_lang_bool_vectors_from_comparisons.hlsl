// Windows: a comparison of vectors gives a bool vector, which converts to
// 0 and 1 as int or float, per component; bools add as ints; ! negates
// each component; a nonzero float assigned to a bool is true.
// verdict: accepted
// probe: 6 2 1 3
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-operators (comparison operators per component, bool results) and dx-graphics-hlsl-scalar (bool true is 1 when converted)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float one = position.x * 2.0;
    float3 v = float3(0.5, 1.5, 2.5) * one;
    bool3 over = v > 1.0;         // false true true
    float3 asFloat = (float3)over;
    int3 counted = int3(over) * 5;
    bool3 flipped = !over;
    bool fromFloat = 2 * one;
    return float4(dot(asFloat, float3(1, 2, 4)), (counted.x + counted.y + counted.z) / 5,
                  flipped.x + flipped.y * 2, fromFloat + true + true);
}
