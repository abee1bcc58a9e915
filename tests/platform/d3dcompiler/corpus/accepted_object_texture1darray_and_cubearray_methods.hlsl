// Windows: Texture1DArray and TextureCubeArray methods in a compute shader: Load, SampleLevel, Gather of a cube array, and GetDimensions with and without a mip level.
// verdict: accepted CSMain
// group: resources
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture1darray, sm5-object-texturecubearray (methods), dx-graphics-hlsl-to-getdimensions (Texture1DArray: "out Width, out Elements", "UINT MipLevel, out Width, out Elements, out NumberOfLevels"; TextureCubeArray: "out Width, out Height, out Elements" and with MipLevel and NumberOfLevels)
Texture1DArray<float4> lines : register(t0);
TextureCubeArray<float4> skies : register(t1);
SamplerState nearest : register(s0);
RWStructuredBuffer<float4> results : register(u0);
[numthreads(1, 1, 1)]
void CSMain()
{
    uint width, elements, levels, height;
    lines.GetDimensions(width, elements);
    lines.GetDimensions(0, width, elements, levels);
    float4 sum = lines.Load(int3(0, 1, 0)) + lines.Load(int3(0, 1, 0), 1) + lines.SampleLevel(nearest, float2(0.5, 1), 0);
    skies.GetDimensions(width, height, elements);
    skies.GetDimensions(1, width, height, elements, levels);
    sum += skies.SampleLevel(nearest, float4(1, 0, 0, 1), 0) + skies.Gather(nearest, float4(0, 1, 0, 0));
    results[0] = sum + float4(width, height, elements, levels);
}
