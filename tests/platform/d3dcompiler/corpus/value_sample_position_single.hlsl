// Windows: on a target of one sample, GetRenderTargetSamplePosition(0) is the
// pixel's centre, (0, 0) from it, and an index past the last sample gives a
// zero vector.
// verdict: accepted
// probe: 0 0 0 0
// group: values
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-getrendertargetsampleposition ("the (x,y) position of the given sample") and samplepos--sm4-1---asm- ("relative to the pixel's center"; "If sampleIndex is out of bounds a zero vector is returned"); api/d3d11/ne-d3d11-d3d11_standard_multisample_quality_levels (the one-sample pattern)
#include "probe_stages.hlsli"
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    int last = (int)(position.x * 6.0); // 3
    return float4(GetRenderTargetSamplePosition(0), GetRenderTargetSamplePosition(last));
}
