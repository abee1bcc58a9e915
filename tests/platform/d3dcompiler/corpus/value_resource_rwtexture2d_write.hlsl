// Windows: a pixel shader's write to an RWTexture2D element lands in the texture.
// verdict: accepted
// group: resources
// uav u1: 2d r32g32b32a32_float 2x1
// expect u1: 0 0 0 0 1.5 2 3 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwtexture2d (operator[] "read/write"); pixel shaders take UAVs in shader model 5 (d3d11-graphics-reference-sm5-objects)
#include "resource_stages.hlsli"
RWTexture2D<float4> written : register(u1);
float4 PSMain() : SV_Target
{
    written[uint2(1, 0)] = float4(1.5, 2, 3, 4);
    return 0;
}
