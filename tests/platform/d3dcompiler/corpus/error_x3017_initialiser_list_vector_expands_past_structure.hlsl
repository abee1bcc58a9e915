// Windows: a vector in a brace list gives all its components, so a float3 and
// one more value are too many for a structure of a float2 and a float.
// verdict: compile-error PSMain X3017
// error text: error X3017: 'light': initializer does not match type
// group: refuse
// source: microsoft.github.io/hlsl-specs/proposals/0005-strict-initializer-lists (HLSL fills a variable from a brace list component by component, "only the number of initialization arguments matters", vectors and matrices in the list expanded to their components); the words are fxc's as public records of its output quote them ("X3017: 's_global10': initializer does not match type")
struct Light
{
    float2 direction;
    float intensity;
};
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    Light light = { float3(0.5, 0.5, 2), 1 };
    return light.intensity * position;
}
