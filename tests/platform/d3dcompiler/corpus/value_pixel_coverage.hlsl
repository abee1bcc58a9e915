// Windows: on a target of one sample, SV_Coverage reads 1 and
// SV_SampleIndex 0.
// verdict: accepted
// probe: 1 0 0 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-semantics (SV_Coverage: "the coverage mask"; SV_SampleIndex: "Sample frequency index data")
#include "probe_stages.hlsli"
float4 PSMain(uint coverage : SV_Coverage, uint sample : SV_SampleIndex) : SV_Target
{
    return float4(coverage, sample, 0, 0);
}
