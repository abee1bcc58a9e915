// Windows: GetRenderTargetSampleCount() called in an included file is the
// target's sample count as in the main file: 1 without multisampling.
// verdict: accepted
// probe: 1 0 0 1
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-getrendertargetsamplecount ("Gets the number of samples for a render target") and dx-graphics-hlsl-appendix-pre-include (an included file is compiled as if it stood in place of the directive)
#include "probe_stages.hlsli"
#include "target_samples.hlsli"
float4 PSMain() : SV_Target
{
    return float4(TargetSamples(), 0, 0, 1);
}
