// Windows: an RWTexture2D has no Sample method (only GetDimensions, Load and []).
// verdict: compile-error PSMain X3018
// group: resources
// error text: invalid subscript 'Sample'
// uav u0: 2d r32_float 1x1
// sampler s0: point clamp
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwtexture2d ("A RWTexture2D object cannot use methods from a Texture2D object, such as Sample"); the words are fxc's X3018 for a member an object lacks, as DirectXShaderCompiler's indexing-operator.hlsl records them for .mips and .sample
#include "resource_stages.hlsli"
RWTexture2D<float> values : register(u0);
SamplerState nearest : register(s0);
float4 PSMain() : SV_Target
{
    return values.Sample(nearest, float2(0.5, 0.5));
}
