// Windows: vectors in a brace list spread over the variable's components
// whatever its shape: a float3 and a scalar fill a float[4], two float2 rows a
// float2x2; a trailing comma ends the list.
// verdict: accepted
// probe: 3 4 0.5 2
// group: accept
// source: microsoft.github.io/hlsl-specs/proposals/0005-strict-initializer-lists (HLSL fills a variable from a brace list component by component, "only the number of initialization arguments matters", vectors and matrices in the list expanded to their components); the words are fxc's as public records of its output quote them ("X3017: 's_global10': initializer does not match type")
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float values[4] = { float3(1, 2, 3), 4, };
    float2x2 rows = { float2(0.25, 0.5), float2(1, 2) };
    return float4(values[2], values[3], rows._12, rows._22);
}
