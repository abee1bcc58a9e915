// Windows: a Texture2DArray's Load past the last slice or the last mip level reads 0; [] reads level 0 of the slice its third component names.
// verdict: accepted
// probe: 6 0 0 5
// group: resources
// texture t0: 2darray r32_float 1x1 slices 2 : 5 6
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("Direct3D guarantees to return zero for any resource that is accessed out of bounds"); texture2darray-load (int4 location: x, y, array index, mip level)
#include "resource_stages.hlsli"
Texture2DArray<float> layers : register(t0);
float4 PSMain() : SV_Target
{
    return float4(layers.Load(int4(0, 0, 1, 0)), layers.Load(int4(0, 0, 2, 0)), layers.Load(int4(0, 0, 0, 1)), layers[uint3(0, 0, 0)]);
}
