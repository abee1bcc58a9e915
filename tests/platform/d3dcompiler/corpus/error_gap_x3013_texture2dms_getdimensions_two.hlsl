// Windows: a multisampled texture's GetDimensions gives the sample count
// too: two arguments match no overload.
// verdict: compile-error PSMain X3013
// group: resources
// error text: 'GetDimensions': no matching 2 parameter intrinsic method
// texture t0: 2d r32g32b32a32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2dms-getdimensions (out width, out height, out samples)
#include "resource_stages.hlsli"
Texture2DMS<float4, 4> scene : register(t0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    uint width, height;
    scene.GetDimensions(width, height);
    return float4(width, height, 0, 1);
}
