// Windows: a scalar cast to a structure fills every member, nested ones and
// arrays included, so (S)0 zeroes a structure and (S)2 sets each to 2.
// verdict: accepted
// probe: 0 0 2 2
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-struct and the HLSL type-conversion rules (a scalar converts to a structure by filling each of its components)
#include "probe_stages.hlsli"
struct Inner
{
    float2 pair;
};
struct Shape
{
    float3 corner;
    Inner inner;
    float weights[2];
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Shape zero = (Shape)0;
    Shape twos = (Shape)(position.x * 4.0);
    return float4(zero.corner.y, zero.weights[1], twos.inner.pair.y, twos.weights[0]);
}
