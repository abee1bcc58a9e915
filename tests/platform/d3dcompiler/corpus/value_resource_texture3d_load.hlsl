// Windows: a Texture3D's Load takes x, y, z and the mip level; GetDimensions gives width, height and depth.
// verdict: accepted
// probe: 6 7 22 2
// group: resources
// texture t0: 3d r32_float 2x2x2 : 1 2 3 4 5 6 7 8
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("Texture2DArray, Texture3D: int4"); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-getdimensions
#include "resource_stages.hlsli"
Texture3D<float> volume : register(t0);
float4 PSMain() : SV_Target
{
    uint width, height, depth;
    volume.GetDimensions(width, height, depth);
    return float4(volume.Load(int4(1, 0, 1, 0)), volume[uint3(0, 1, 1)], width * 10 + height, depth);
}
