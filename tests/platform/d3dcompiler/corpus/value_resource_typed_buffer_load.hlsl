// Windows: a Buffer<float4>'s Load and [] read an element of the view's format.
// verdict: accepted
// probe: 5 6 3 4
// group: resources
// buffer t0: typed r32g32b32a32_float 2 : 1 2 3 4 5 6 7 8
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-load ("Buffer: int"); learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-buffer
#include "resource_stages.hlsli"
Buffer<float4> tints : register(t0);
float4 PSMain() : SV_Target
{
    return float4(tints.Load(1).xy, tints[0].zw);
}
