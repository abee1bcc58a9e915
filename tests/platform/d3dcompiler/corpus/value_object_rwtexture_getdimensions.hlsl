// Windows: GetDimensions of an RWTexture2D gives its width and height, of an RWBuffer its element count, of an RWStructuredBuffer its count and stride.
// verdict: accepted CSMain
// group: resources
// uav u0: 2d r32_float 3x2
// uav u1: typed r32_uint 5
// uav u2: structured 4 4
// expect u2: 3 2 5 4
// source: learn.microsoft.com/windows/win32/direct3dhlsl/dx-graphics-hlsl-to-getdimensions (RWTexture2D "out Width, out Height"; RWBuffer "out dim"); sm5-object-rwstructuredbuffer-getdimensions
RWTexture2D<float> image : register(u0);
RWBuffer<uint> list : register(u1);
RWStructuredBuffer<uint> sizes : register(u2);
[RootSignature(CORPUS_ROOT_SIGNATURE)]
[numthreads(1, 1, 1)]
void CSMain()
{
    uint width, height, count, structs, stride;
    image.GetDimensions(width, height);
    list.GetDimensions(count);
    sizes.GetDimensions(structs, stride);
    sizes[0] = width;
    sizes[1] = height;
    sizes[2] = count;
    sizes[3] = stride;
}
