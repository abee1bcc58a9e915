// Windows: CalculateLevelOfDetailUnclamped takes derivatives, which a vertex shader lacks: X4532.
// verdict: compile-error VSMain X4532
// group: resources
// error text: cannot map expression to vs_5_0 instruction set
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-calculatelevelofdetailunclamped ("This function is supported only in a pixel shader"); fxc's X4532 words for Sample in a vertex shader, quoted in error_x4532_sample_in_vertex_shader.hlsl's source
Texture2D<float> image : register(t0);
SamplerState linearSampler : register(s0);
float4 VSMain(float2 uv : TEXCOORD0) : SV_Position
{
    return float4(uv, image.CalculateLevelOfDetailUnclamped(linearSampler, uv), 1);
}
