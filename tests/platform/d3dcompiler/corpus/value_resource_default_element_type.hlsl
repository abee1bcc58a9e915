// Windows: a Texture2D or Buffer declared without an element type reads float4.
// verdict: accepted
// probe: 2 4 5 7
// group: resources
// texture t0: 2d r32g32b32a32_float 1x1 : 1 2 3 4
// buffer t1: typed r32g32b32a32_float 1 : 5 6 7 8
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2d and dx-graphics-hlsl-to-type ("Texture2D ... the default type is float4"); learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-buffer
#include "resource_stages.hlsli"
Texture2D colours : register(t0);
Buffer tints : register(t1);
float4 PSMain() : SV_Target
{
    return float4(colours.Load(int3(0, 0, 0)).yw, tints[0].xz);
}
