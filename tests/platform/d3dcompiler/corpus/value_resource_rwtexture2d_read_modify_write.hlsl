// Windows: an RWTexture2D<float> element reads back what it holds (a typed UAV load of a one-component 32-bit format) and takes the sum written.
// verdict: accepted
// probe: 7 0 0 0
// group: resources
// uav u1: 2d r32_float 2x1 : 5 7
// expect u1: 6 7
// source: learn.microsoft.com/windows/win32/direct3d12/typed-unordered-access-view-loads ("R32_FLOAT, R32_UINT, R32_SINT ... required for D3D11.0 hardware")
#include "resource_stages.hlsli"
RWTexture2D<float> values : register(u1);
float4 PSMain() : SV_Target
{
    values[uint2(0, 0)] += 1;
    return float4(values[uint2(1, 0)], 0, 0, 0);
}
