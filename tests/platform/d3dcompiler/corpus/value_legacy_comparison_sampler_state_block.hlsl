// Windows: a SamplerComparisonState may carry a state block, which a shader
// compile ignores; the comparison comes from the root signature's sampler.
// verdict: accepted
// probe: 1 0 0 0
// group: accept
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-sampler ("SamplerComparisonState Name { ComparisonFunc = ...; }") and learn.microsoft.com/windows/win32/direct3d11/d3d11-effect-state-groups
#include "probe_stages.hlsli"
SamplerComparisonState shadow
{
    ComparisonFunc = LESS;
    Filter = COMPARISON_MIN_MAG_MIP_POINT;
};
float4 PSMain() : SV_Target
{
    return float4(1, 0, 0, 0);
}
