// Windows: GetRenderTargetSampleCount() is 1 for a target without multisampling
// (the pipeline's SampleDesc.Count; the multisample test draws four samples).
// verdict: accepted
// probe: 1 0 0 1
// group: containment
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-getrendertargetsamplecount ("Gets the number of samples for a render target"; shader model 4.1 and higher)
#include "probe_stages.hlsli"
float4 PSMain() : SV_Target
{
    return float4(GetRenderTargetSampleCount(), 0, 0, 1);
}
