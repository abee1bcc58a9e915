// Windows: an RWTexture2D<float4> element cannot take a float3: X3017.
// verdict: compile-error CSMain X3017
// group: resources
// error text: cannot implicitly convert from 'float3' to 'float4'
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-rwtexture2d (RWTexture2D<Type>: elements of Type); fxc's X3017 words as the corpus's return cases quote them ("cannot implicitly convert from 'float3' to 'float4'")
RWTexture2D<float4> image : register(u0);
[numthreads(1, 1, 1)]
void CSMain()
{
    image[uint2(0, 0)] = float3(1, 2, 3);
}
