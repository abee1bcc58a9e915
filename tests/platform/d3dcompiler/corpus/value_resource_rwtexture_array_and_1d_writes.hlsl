// Windows: an RWTexture2DArray element is named by x, y and the slice; an RWTexture1D element by x.
// verdict: accepted
// group: resources
// uav u1: 2darray r32_float 2x1 slices 2
// uav u2: 1d r32_uint 3
// expect u1: 0 5
// expect u2: 0 0 9
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwtexture2darray and sm5-object-rwtexture1d (operator[] takes uint3 and uint)
#include "resource_stages.hlsli"
RWTexture2DArray<float> layers : register(u1);
RWTexture1D<uint> row : register(u2);
float4 PSMain() : SV_Target
{
    layers[uint3(1, 0, 0)] = 5;
    layers[uint3(0, 0, 1)] = 6;
    row[2] = 9;
    return 0;
}
