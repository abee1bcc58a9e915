// Windows: shader model 5 reads typed UAVs of one 32-bit component only: reading an RWTexture2D<float4> element is X3676.
// verdict: compile-error PSMain X3676
// group: resources
// error text: typed UAV loads are only allowed for single-component 32-bit element types
// uav u0: 2d r32g32b32a32_float 1x1
// source: fxc's "error X3676: typed UAV loads are only allowed for single-component 32-bit element types", quoted in public engine sources and Microsoft's D3D12 typed UAV load design notes found by code search; learn.microsoft.com/windows/win32/direct3d12/typed-unordered-access-view-loads (R32_FLOAT, R32_UINT and R32_SINT the formats D3D11.0 hardware loads)
#include "resource_stages.hlsli"
RWTexture2D<float4> colours : register(u0);
float4 PSMain() : SV_Target
{
    return colours[uint2(0, 0)];
}
