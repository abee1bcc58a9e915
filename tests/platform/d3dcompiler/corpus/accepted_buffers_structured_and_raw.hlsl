// Windows: structured and byte-address buffers are read with [] and Load,
// Load2, Load3 and Load4; their read-write forms are written and told
// their size with GetDimensions.
// verdict: accepted CSMain
// group: stages
// source: learn.microsoft.com/windows/win32/direct3dhlsl/sm5-object-structuredbuffer, sm5-object-rwstructuredbuffer, sm5-object-byteaddressbuffer and sm5-object-rwbyteaddressbuffer (their methods)
struct Particle
{
    float3 position;
    float age;
};
StructuredBuffer<Particle> particles : register(t0);
ByteAddressBuffer raw : register(t1);
RWStructuredBuffer<Particle> moved : register(u0);
RWByteAddressBuffer output : register(u1);
[numthreads(64, 1, 1)]
void CSMain(uint3 id : SV_DispatchThreadID)
{
    uint count;
    uint stride;
    particles.GetDimensions(count, stride);
    Particle p = particles[id.x % count];
    p.position += asfloat(raw.Load3(16 * id.x));
    p.age += asfloat(raw.Load(0)) + asfloat(raw.Load2(8).y) + asfloat(raw.Load4(32).w);
    moved[id.x] = p;
    uint bytes;
    output.GetDimensions(bytes);
    output.Store(4 * (id.x % (bytes / 4)), asuint(p.age));
    output.Store2(0, uint2(count, stride));
}
