// Windows: GetSamplePosition belongs to the multisampled textures; a Texture2D has no such method: X3018.
// verdict: compile-error PSMain X3018
// group: resources
// error text: invalid subscript 'GetSamplePosition'
// texture t0: 2d r32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2d (the methods: CalculateLevelOfDetail, Gather*, GetDimensions, Load, Sample*; no GetSamplePosition); X3018's words as in error_gap_texture2dms_sample.hlsl
#include "resource_stages.hlsli"
Texture2D<float> grid : register(t0);
float4 PSMain() : SV_Target
{
    return grid.GetSamplePosition(0).xyxy;
}
