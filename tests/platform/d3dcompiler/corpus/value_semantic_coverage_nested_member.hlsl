// Windows: SV_Coverage read through a structure nested in the input
// structure, the only member of either.
// verdict: accepted
// probe: 1 0 0 0
// group: semantics
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_Coverage: "the coverage mask", an input of the pixel shader)
#include "probe_stages.hlsli"
struct Mask
{
    uint bits : SV_Coverage;
};
struct Outer
{
    Mask mask;
};
float4 PSMain(Outer o) : SV_Target
{
    return float4(o.mask.bits, 0, 0, 0);
}
