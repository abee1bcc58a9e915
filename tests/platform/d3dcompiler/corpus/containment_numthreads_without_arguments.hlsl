// Windows: an attribute that means nothing to a pixel shader is ignored, even [numthreads] without its arguments.
// verdict: accepted
// probe: 1 2 3 4
// group: containment
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-function-syntax (attributes are optional and stage-specific); Windows' compiler builds this shader
#include "probe_stages.hlsli"
[numthreads]
float4 PSMain() : SV_Target
{
    return float4(1, 2, 3, 4);
}
