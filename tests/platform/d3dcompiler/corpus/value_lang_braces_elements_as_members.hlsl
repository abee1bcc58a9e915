// Windows: array elements written as if they were members, and a vector
// standing for its components next to a scalar, fill the structure in order.
// verdict: accepted
// probe: 1.5 2 2.5 3
// clear: 0 0 0 0
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
float4 PSMain() : SV_Target
{
    B b = {{1, 1.5}, {2, 2.5}, 3};
    int4 i4 = {1, 2, 3, 4};
    B b4 = {i4, 5};
    return float4(b.a[0].b, b.a[1].a, b.a[1].b, b.c) * (b4.a[1].b == 4 && b4.c == 5 ? 1 : -1);
}
