// Windows: a brace list with fewer components than its vector is refused; no component is filled with zero.
// verdict: compile-error PSMain X3017
// error text: error X3017: 'tint': initializer does not match type
// group: refuse
// source: microsoft.github.io/hlsl-specs/proposals/0005-strict-initializer-lists (HLSL fills a variable from a brace list component by component, "only the number of initialization arguments matters", vectors and matrices in the list expanded to their components); the words are fxc's as public records of its output quote them ("X3017: 's_global10': initializer does not match type")
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float3 tint = { 1, 0.5 };
    return float4(tint, 1);
}
