// Windows: writes to RWTexture1D, RWTexture1DArray, RWTexture2DArray and RWTexture3D elements and their GetDimensions overloads.
// verdict: accepted CSMain
// group: resources
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwtexture1d, -rwtexture1darray, -rwtexture2darray, -rwtexture3d (operator[] and GetDimensions); dx-graphics-hlsl-to-getdimensions
RWTexture1D<float> line : register(u0);
RWTexture1DArray<uint> lines : register(u1);
RWTexture2DArray<int2> layers : register(u2);
RWTexture3D<float4> volume : register(u3);
[numthreads(1, 1, 1)]
void CSMain(uint3 id : SV_DispatchThreadID)
{
    uint width, elements, height, depth;
    line.GetDimensions(width);
    lines.GetDimensions(width, elements);
    layers.GetDimensions(width, height, elements);
    volume.GetDimensions(width, height, depth);
    line[id.x] = width;
    lines[uint2(id.x, 1)] = elements;
    layers[uint3(id.xy, 2)] = int2(height, -1);
    volume[id] = float4(depth, 0, 0, 1);
}
