// Windows: [numthreads] takes integer constants; an undeclared name is an error.
// verdict: compile-error PSMain -
// group: containment
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-attributes-numthreads ("numthreads(X, Y, Z)": X, Y and Z are integer constants)
#include "probe_stages.hlsli"
[numthreads(f)]
float4 PSMain() : SV_Target
{
    return float4(1, 2, 3, 4);
}
