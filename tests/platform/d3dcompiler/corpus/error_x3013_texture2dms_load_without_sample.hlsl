// Windows: a Texture2DMS Load needs the sample index: the location alone matches no overload.
// verdict: compile-error PSMain X3013
// group: resources
// error text: 'Load': no matching 1 parameter intrinsic method
// texture t1: 2d r32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("SampleIndex: Required for multi-sample textures")
#include "resource_stages.hlsli"
Texture2DMS<float4, 4> resolved : register(t0);
float4 PSMain() : SV_Target
{
    return resolved.Load(int2(0, 0));
}
