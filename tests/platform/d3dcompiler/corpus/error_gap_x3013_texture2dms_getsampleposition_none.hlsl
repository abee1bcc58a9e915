// Windows: GetSamplePosition takes the sample's index.
// verdict: compile-error PSMain X3013
// group: resources
// error text: 'GetSamplePosition': no matching 0 parameter intrinsic method
// texture t0: 2d r32g32b32a32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2dms-getsampleposition ("int s: The zero-based sample index")
#include "resource_stages.hlsli"
Texture2DMS<float4, 4> scene : register(t0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    float2 offset = scene.GetSamplePosition();
    return offset.xyxy;
}
