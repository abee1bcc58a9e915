// Windows: textures and buffers of integer scalars and vectors, of float3 and of a structure, and a Buffer without its element type (float4).
// verdict: accepted CSMain
// group: resources
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-texture2d ("Texture2D<Type> Name"; "the default is float4"), sm5-object-buffer, sm5-object-structuredbuffer
struct Particle
{
    float3 position;
    uint flags;
};
Texture2D<int4> signedTexels : register(t0);
Texture3D<uint2> volume : register(t1);
Buffer<float3> normals : register(t2);
Buffer defaults : register(t3);
StructuredBuffer<Particle> particles : register(t4);
Texture2DArray<uint> layers : register(t5);
RWStructuredBuffer<float4> results : register(u0);
[numthreads(1, 1, 1)]
void CSMain()
{
    int4 s = signedTexels.Load(int3(0, 0, 0));
    uint2 v = volume[uint3(0, 0, 0)];
    float3 n = normals[0];
    Particle p = particles[1];
    results[0] = float4(s.xy, v) + float4(n + p.position, p.flags + layers[uint3(0, 0, 1)]) + defaults.Load(2);
}
