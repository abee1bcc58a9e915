// Windows: Sample in a function a compute shader calls needs the derivatives a compute shader at 5.0 lacks: X4532.
// verdict: compile-error CSMain X4532
// group: resources
// error text: cannot map expression to cs_5_0 instruction set
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-sample ("This function is supported only in a pixel shader"); fxc's X4532 words for Sample in a vertex shader, quoted in error_x4532_sample_in_vertex_shader.hlsl's source
Texture2D<float> image : register(t0);
SamplerState nearest : register(s0);
RWStructuredBuffer<float> results : register(u0);
float Read(float2 uv)
{
    return image.Sample(nearest, uv);
}
[numthreads(1, 1, 1)]
void CSMain()
{
    results[0] = Read(float2(0.5, 0.5));
}
