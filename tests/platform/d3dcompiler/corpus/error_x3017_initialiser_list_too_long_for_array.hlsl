// Windows: a brace list with more components than its array has elements is refused.
// verdict: compile-error PSMain X3017
// error text: error X3017: 'weights': initializer does not match type
// group: refuse
// source: microsoft.github.io/hlsl-specs/proposals/0005-strict-initializer-lists (HLSL fills a variable from a brace list component by component, "only the number of initialization arguments matters", vectors and matrices in the list expanded to their components); the words are fxc's as public records of its output quote them ("X3017: 's_global10': initializer does not match type")
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int weights[3] = { 1, 2, 3, 4 };
    return weights[0] * position.x;
}
