// Windows: the braces inside an initialiser list group nothing: a structure
// with an array of structures is filled from the list's scalars in order,
// however they are grouped.
// verdict: accepted
// probe: 2 3 4 5
// group: values
// source: microsoft.github.io/hlsl-specs/proposals/0005-strict-initializer-lists ("HLSL supports flattened brace initialization such that the structure of the bracket initializer on the right hand side of an initialization is ignored, and only the number of initialization arguments matters"; its examples b, b3 and b4)
#include "probe_stages.hlsli"
struct A
{
    int a;
    float b;
};
struct B
{
    A a[2];
    int c;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    B b3 = {{1, {2, 3}}, {4, 5}};
    return float4(b3.a[0].b, b3.a[1].a, b3.a[1].b, b3.c) + position.x * 0.0;
}
