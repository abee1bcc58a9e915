// Windows: a Load past the mip level's size, or of a mip level the view lacks, returns 0 in every component.
// verdict: accepted
// probe: 0 0 0 4
// group: resources
// texture t0: 2d r32_float 2x2 : 1 2 3 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("When one or more of the coordinates in Location exceed the u, v, or w mipmap level dimensions of the texture, Load returns zero in all components")
#include "resource_stages.hlsli"
Texture2D<float> heights : register(t0);
float4 PSMain() : SV_Target
{
    return float4(heights.Load(int3(2, 0, 0)), heights.Load(int3(0, -1, 0)), heights.Load(int3(0, 0, 1)), heights.Load(int3(1, 1, 0)));
}
