// Windows: a Texture2DArray's Load takes x, y, the slice and the mip level; [uint3] takes x, y and the slice; GetDimensions gives width, height and slice count.
// verdict: accepted
// probe: 6 3 12 3
// group: resources
// texture t0: 2darray r32_float 2x1 slices 3 : 1 2 3 4 5 6
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("Texture2DArray, Texture3D: int4"); learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-getdimensions
#include "resource_stages.hlsli"
Texture2DArray<float> layers : register(t0);
float4 PSMain() : SV_Target
{
    uint width, height, elements;
    layers.GetDimensions(width, height, elements);
    return float4(layers.Load(int4(1, 0, 2, 0)), layers[uint3(0, 0, 1)], width + height * 10, elements);
}
