// Windows: a multisampled texture has no mips, only sample[][]: naming them is X3018.
// verdict: compile-error PSMain X3018
// group: resources
// error text: invalid subscript 'mips'
// texture t0: 2d r32g32b32a32_float 1x1
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2dms (members: sample[][], and the methods GetDimensions, GetSamplePosition, Load); X3018's words for .mips as in error_resource_buffer_mips.hlsl
#include "resource_stages.hlsli"
Texture2DMS<float4, 4> scene : register(t0);
float4 PSMain() : SV_Target
{
    return scene.mips[0][uint2(0, 0)];
}
