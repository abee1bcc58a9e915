// Windows: unorm and snorm qualify a float element type of a typed texture or UAV; the values read are the view's.
// verdict: accepted
// probe: 0.5 -0.25 0 0
// group: resources
// texture t0: 2d r32_float 1x1 : 0.5
// uav u1: typed r32_float 1 : -0.25
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-scalar ("unorm float", "snorm float" among the scalar types, "The unorm and snorm modifiers ... can be applied to ... float"); sm5-object-rwtexture2d, sm5-object-rwbuffer (Type: a typed element)
#include "resource_stages.hlsli"
Texture2D<unorm float> coverage : register(t0);
RWBuffer<snorm float> signedValues : register(u1);
float4 PSMain() : SV_Target
{
    return float4(coverage.Load(int3(0, 0, 0)), signedValues[0], 0, 0);
}
