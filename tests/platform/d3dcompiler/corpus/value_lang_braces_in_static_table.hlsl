// Windows: a static table of structures whose rows are written one brace
// list each, without the inner vector's own braces, reads as its scalars in
// order; a vector and an array of scalars written with inner braces too.
// verdict: accepted
// probe: 4 5 3 6
// group: values
// source: microsoft.github.io/hlsl-specs/proposals/0005-strict-initializer-lists ("HLSL supports flattened brace initialization such that the structure of the bracket initializer on the right hand side of an initialization is ignored, and only the number of initialization arguments matters"; its examples b, b3 and b4)
#include "probe_stages.hlsli"
struct Light
{
    float2 p;
    float q;
};
static const Light table[2] = { {1, 2, 3}, {4, 5, 6} };
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float4 v = { 1, {2, 3}, 4 };
    float b[4] = { {1, 2}, {3, 4} };
    float check = v.y == 2 && v.w == 4 && b[2] == 3 && b[3] == 4 ? 0 : 100;
    return float4(table[1].p, table[0].q, table[1].q) + check + position.x * 0.0;
}
