// Windows: a store to an RWTexture2D<float4> element must write all four components; a store to its .xyz is X4596.
// verdict: compile-error CSMain X4596
// group: resources
// error text: typed UAV stores must write all declared components.
// source: fxc's "error X4596: typed UAV stores must write all declared components.", quoted in VRM4U issue 515 for "OutputTexture[pixelCoord].xyz = 0;"
RWTexture2D<float4> image : register(u0);
[numthreads(1, 1, 1)]
void CSMain()
{
    image[uint2(0, 0)].xyz = 0;
}
