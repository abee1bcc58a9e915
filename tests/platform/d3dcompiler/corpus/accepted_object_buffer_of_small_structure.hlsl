// Windows: a Buffer and an RWBuffer of a structure that fits one four-component register compile.
// verdict: accepted CSMain
// group: resources
// source: DirectXShaderCompiler issue 1370, where a compiler developer reports that fxc.exe accepts Buffer<S> and RWBuffer<S> "as long as the members can be fit in a 4-component vector"
struct Pair
{
    float a;
    float2 b;
};
Buffer<Pair> pairs : register(t0);
RWBuffer<Pair> written : register(u0);
RWStructuredBuffer<float> results : register(u1);
[numthreads(1, 1, 1)]
void CSMain()
{
    results[0] = pairs[0].a + written[1].b.x;
}
