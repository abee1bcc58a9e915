// Windows: a Texture2DMSArray Load needs the sample index.
// verdict: compile-error PSMain X3013
// group: resources
// error text: 'Load': no matching 1 parameter intrinsic method
// texture t0: 2d r32g32b32a32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("SampleIndex: Required for multi-sample textures")
#include "resource_stages.hlsli"
Texture2DMSArray<float4, 2> layers : register(t0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return layers.Load(int3(0, 0, 1));
}
