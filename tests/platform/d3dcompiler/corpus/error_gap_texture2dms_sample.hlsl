// Windows: a multisampled texture has no Sample method.
// verdict: compile-error PSMain X3018
// group: resources
// error text: invalid subscript 'Sample'
// texture t0: 2d r32g32b32a32_float 1x1
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2dms (the methods are GetDimensions, GetSamplePosition and Load); a method the object does not have is X3018 "invalid subscript", as DirectXShaderCompiler's indexing-operator.hlsl test records fxc's words
#include "resource_stages.hlsli"
Texture2DMS<float4, 4> scene : register(t0);
SamplerState pointSampler : register(s0);
float4 PSMain(float4 position : SV_Position) : SV_Target
{
    return scene.Sample(pointSampler, position.xy);
}
