// Windows: [numthreads] on a pixel shader's entry point belongs to another stage: only a warning.
// verdict: accepted
// warning: X3554 unknown attribute numthreads, or attribute invalid for this statement
// group: attributes
// source: fxc's "warning X3554: unknown attribute numthreads, or attribute invalid for this statement" for [numthreads] on a function that is not a compute entry point, quoted in DirectXShaderCompiler's tools/clang/test/HLSL/attributes.hlsl
#include "probe_stages.hlsli"
[numthreads(4, 4, 1)]
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return position;
}
