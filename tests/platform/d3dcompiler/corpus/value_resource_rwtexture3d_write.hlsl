// Windows: an RWTexture3D element is named by x, y and z: a write at z = 0 lands in the first depth slice.
// verdict: accepted
// group: resources
// uav u1: 3d r32_float 2x1x2
// expect u1: 0 7
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwtexture3d (operator[] takes a uint3)
#include "resource_stages.hlsli"
RWTexture3D<float> volume : register(u1);
float4 PSMain() : SV_Target
{
    volume[uint3(1, 0, 0)] = 7;
    volume[uint3(0, 0, 1)] = 8;
    return 0;
}
