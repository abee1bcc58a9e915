// Windows: a structure inside a structure and a matrix take their components
// from a list whose braces group vectors and rows or nothing at all.
// verdict: accepted
// probe: 11 13 9 8
// group: values
// source: microsoft.github.io/hlsl-specs/proposals/0005-strict-initializer-lists ("the structure of the bracket initializer on the right hand side of an initialization is ignored, and only the number of initialization arguments matters"; "vector and matrix arguments are implicitly expanded")
#include "probe_stages.hlsli"
struct Inner
{
    float x;
    float2 y;
};
struct Outer
{
    Inner i;
    float4 z;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2 offset = float2(0.5, 0.5) + position.x * 0.0;
    Outer o = { 1, {2, 3}, {4, 5, 6, 7} };
    float3x3 m = { float3(1, 2, 3) + offset.x * 0.0, {4, 5, 6}, 7, 8, 9 };
    return float4(o.z.x + o.i.y.x + m[1][0] + o.i.x, o.z.w + o.i.y.y + m[0][2], m[2][2], m[2][1]);
}
